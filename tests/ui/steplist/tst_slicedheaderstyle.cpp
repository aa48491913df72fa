// A header section painted in slices must give the same pixels as the
// section painted whole, at every position in the header, at widths around
// the slice width, with and without the drag-target look, and left to right
// or right to left.

#include "ui/steplist/SlicedHeaderStyle.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QStyleOptionHeader>

#include <memory>

class SlicedHeaderStyleTest : public QObject {
    Q_OBJECT

private slots:
    void slicesPaintTheWholeSection_data();
    void slicesPaintTheWholeSection();
    void aStyleOtherThanFusionPaintsAsItself();
};

namespace {
QImage paintSection(const QStyle& style, const QStyleOptionHeaderV2& option)
{
    QImage image(option.rect.size() + QSize(8, 4), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    style.drawControl(QStyle::CE_HeaderSection, &option, &painter);
    painter.end();
    return image;
}

QStyleOptionHeaderV2 section(int width, QStyleOptionHeader::SectionPosition position, bool dragTarget,
                             Qt::LayoutDirection direction)
{
    QStyleOptionHeaderV2 option;
    option.rect = QRect(3, 1, width, 21);
    option.orientation = Qt::Horizontal;
    option.position = position;
    option.isSectionDragTarget = dragTarget;
    option.direction = direction;
    option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    option.palette = QApplication::palette();
    return option;
}
} // namespace

void SlicedHeaderStyleTest::slicesPaintTheWholeSection_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("dragTarget");
    QTest::addColumn<bool>("rightToLeft");
    const int widths[] = {1, SlicedHeaderStyle::kSliceWidth, SlicedHeaderStyle::kSliceWidth + 1, 96, 128, 129, 497};
    const QStyleOptionHeader::SectionPosition positions[] = {
        QStyleOptionHeader::Beginning, QStyleOptionHeader::Middle, QStyleOptionHeader::End,
        QStyleOptionHeader::OnlyOneSection};
    for (const int width : widths)
        for (const auto position : positions)
            for (const bool dragTarget : {false, true})
                for (const bool rightToLeft : {false, true})
                    QTest::addRow("w%d p%d%s%s", width, int(position), dragTarget ? " drag" : "",
                                  rightToLeft ? " rtl" : "")
                        << width << int(position) << dragTarget << rightToLeft;
}

void SlicedHeaderStyleTest::slicesPaintTheWholeSection()
{
    QFETCH(int, width);
    QFETCH(int, position);
    QFETCH(bool, dragTarget);
    QFETCH(bool, rightToLeft);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    const SlicedHeaderStyle sliced(QStringLiteral("fusion"));
    const QStyleOptionHeaderV2 option = section(width, QStyleOptionHeader::SectionPosition(position), dragTarget,
                                                rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(paintSection(sliced, option), paintSection(*fusion, option));
}

void SlicedHeaderStyleTest::aStyleOtherThanFusionPaintsAsItself()
{
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("windows")));
    const SlicedHeaderStyle sliced(QStringLiteral("windows"));
    const QStyleOptionHeaderV2 option = section(300, QStyleOptionHeader::Middle, false, Qt::LeftToRight);
    QCOMPARE(paintSection(sliced, option), paintSection(*windows, option));
}

QTEST_MAIN(SlicedHeaderStyleTest)
#include "tst_slicedheaderstyle.moc"
