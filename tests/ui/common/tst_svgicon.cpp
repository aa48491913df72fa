// The SVG icons: drawn at the size asked for, when asked, and kept; a
// resource that is missing or no SVG gives a null icon.

#include "ui/common/Resources.h"
#include "ui/common/SvgIcon.h"

#include <QtCore/QTemporaryFile>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

namespace {
// Pixels the drawing covered.
int painted(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) != 0;
    return count;
}
} // namespace

class TestSvgIcon : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    void drawsEverySizeAskedFor_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("side");
        QTest::newRow("step icon at 16") << QStringLiteral(":/icons/step-passed.svg") << 16;
        QTest::newRow("step icon at 32") << QStringLiteral(":/icons/step-failed.svg") << 32;
        QTest::newRow("glyph at 20, not listed") << QStringLiteral(":/glyphs/floppy.svg") << 20;
        QTest::newRow("window icon at 256") << QStringLiteral(":/icons/pstedit.svg") << 256;
    }

    void drawsEverySizeAskedFor()
    {
        QFETCH(QString, resource);
        QFETCH(int, side);
        const QIcon icon = svgIcon(resource, {16, 32, 256});
        QVERIFY(!icon.isNull());
        const QPixmap pixmap = icon.pixmap(QSize(side, side));
        QCOMPARE(pixmap.size(), QSize(side, side));
        QVERIFY(painted(pixmap) > 0);
        QCOMPARE(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {256, 256}}));
    }

    void aDisabledIconIsDrawnDifferently()
    {
        const QIcon icon = svgIcon(QStringLiteral(":/glyphs/arrow-up.svg"));
        const QImage normal = icon.pixmap(QSize(16, 16)).toImage();
        const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
        QCOMPARE(disabled.size(), QSize(16, 16));
        QVERIFY(normal != disabled);
    }

    void paintingFillsTheRectangle()
    {
        const QIcon icon = svgIcon(QStringLiteral(":/icons/step-passed.svg"));
        QPixmap target(24, 24);
        target.fill(Qt::transparent);
        QPainter painter(&target);
        icon.paint(&painter, QRect(0, 0, 24, 24));
        painter.end();
        QVERIFY(painted(target) > 0);
    }

    void aMissingOrBrokenResourceGivesANullIcon()
    {
        QVERIFY(svgIcon(QStringLiteral(":/icons/no-such.svg")).isNull());
        QTemporaryFile broken;
        QVERIFY(broken.open());
        broken.write("<svg this is not");
        broken.close();
        QVERIFY(svgIcon(broken.fileName()).isNull());
    }
};

QTEST_MAIN(TestSvgIcon)
#include "tst_svgicon.moc"
