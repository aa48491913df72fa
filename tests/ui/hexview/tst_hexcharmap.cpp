// The character pane's code page: what a byte shows as and which byte a
// typed character writes.

#include "ui/hexview/HexCharMap.h"

#include <QtTest/QtTest>

class TestHexCharMap : public QObject {
    Q_OBJECT

private slots:
    void shownCharacters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QChar>("shown");
        QTest::newRow("NUL") << 0x00 << QChar(u'.');
        QTest::newRow("last control") << 0x1F << QChar(u'.');
        QTest::newRow("blank") << 0x20 << QChar(u' ');
        QTest::newRow("letter") << 0x41 << QChar(u'A');
        QTest::newRow("tilde") << 0x7E << QChar(u'~');
        QTest::newRow("DEL") << 0x7F << QChar(u'.');
        QTest::newRow("C1 control") << 0x85 << QChar(u'.');
        QTest::newRow("e acute") << 0xE9 << QChar(u'\u00E9');
        QTest::newRow("y diaeresis") << 0xFF << QChar(u'\u00FF');
    }
    void shownCharacters()
    {
        QFETCH(int, byte);
        QFETCH(QChar, shown);
        QCOMPARE(HexCharMap::latin1().displayChar(static_cast<quint8>(byte)), shown);
    }

    void typedCharacters()
    {
        const HexCharMap map = HexCharMap::latin1();
        QCOMPARE(map.byteFor(u'A'), std::optional<quint8>(0x41));
        QCOMPARE(map.byteFor(u'.'), std::optional<quint8>(0x2E));
        QCOMPARE(map.byteFor(u'\u00E9'), std::optional<quint8>(0xE9));
        QCOMPARE(map.byteFor(u'\n'), std::optional<quint8>());
        QCOMPARE(map.byteFor(u'\u20AC'), std::optional<quint8>()); // the euro sign is not Latin-1
    }

#ifndef Q_OS_WIN
    void systemIsLatin1OutsideWindows()
    {
        const HexCharMap latin1 = HexCharMap::latin1();
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<quint8>(b);
            QCOMPARE(HexCharMap::system().displayChar(byte), latin1.displayChar(byte));
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestHexCharMap)
#include "tst_hexcharmap.moc"
