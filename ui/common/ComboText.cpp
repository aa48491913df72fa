#include "ui/common/ComboText.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QComboBox>

void setComboItems(QComboBox* box, const QStringList& items)
{
    const QSignalBlocker blocker(box);
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

void setComboText(QComboBox* box, const QString& text)
{
    const QSignalBlocker blocker(box);
    box->setEditText(text);
}
