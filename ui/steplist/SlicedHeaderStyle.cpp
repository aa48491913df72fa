#include "ui/steplist/SlicedHeaderStyle.h"

#include <QtWidgets/QStyleOptionHeader>

namespace {
// Even slices, so that the last is wide enough for the separator's two lines.
template <typename Option>
void drawSliced(const QStyle& base, const Option& section, QPainter* painter, const QWidget* widget)
{
    const QRect whole = section.rect;
    const int count = (whole.width() + SlicedHeaderStyle::kSliceWidth - 1) / SlicedHeaderStyle::kSliceWidth;
    Option slice = section;
    int left = whole.left();
    for (int i = 0; i < count; ++i) {
        const int width = (whole.right() + 1 - left) / (count - i);
        slice.rect = QRect(left, whole.top(), width, whole.height());
        // A slice that ends inside the section draws no separator.
        slice.position = i + 1 == count ? section.position : QStyleOptionHeader::End;
        base.drawControl(QStyle::CE_HeaderSection, &slice, painter, widget);
        left += width;
    }
}
} // namespace

SlicedHeaderStyle::SlicedHeaderStyle(const QString& key)
    : QProxyStyle(key), m_slices(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
{
}

void SlicedHeaderStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != CE_HeaderSection || !m_slices || !header || header->orientation != Qt::Horizontal ||
        option->rect.width() <= kSliceWidth) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    if (const auto* v2 = qstyleoption_cast<const QStyleOptionHeaderV2*>(option))
        drawSliced(*baseStyle(), *v2, painter, widget);
    else
        drawSliced(*baseStyle(), *header, painter, widget);
}
