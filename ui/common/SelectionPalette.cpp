#include "ui/common/SelectionPalette.h"

#include <QtGui/QPalette>
#include <QtWidgets/QWidget>

void keepSelectionVisible(QWidget& view)
{
    QPalette p = view.palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    view.setPalette(p);
}
