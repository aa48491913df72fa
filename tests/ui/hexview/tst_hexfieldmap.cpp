// Field names and values for the hex view's tooltip.

#include "ui/hexview/HexFieldMap.h"

#include <QtTest/QtTest>

namespace {
QByteArray recordWith(std::initializer_list<std::pair<int, quint8>> bytes)
{
    QByteArray record(136, '\0');
    for (const auto& [offset, value] : bytes)
        record[offset] = static_cast<char>(value);
    return record;
}

const HexFieldMap kMap({
    {0x00, 2, QStringLiteral("TEST_ID"), true},
    {0x0C, 4, QStringLiteral("P3"), false},
    {0x48, 2, QStringLiteral("GOTO_ON_SUCCES"), true},
    {0x84, 8, QStringLiteral("WIDE"), true},
});
} // namespace

class TestHexFieldMap : public QObject {
    Q_OBJECT

private slots:
    void describesTheFieldUnderAByte_data()
    {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("link, first byte") << qint64(0x48) << "GOTO_ON_SUCCES = 0x0005 (5)";
        QTest::newRow("link, second byte") << qint64(0x49) << "GOTO_ON_SUCCES = 0x0005 (5)";
        QTest::newRow("parameter, hex only") << qint64(0x0F) << "P3 = 0x0000000A";
        QTest::newRow("little-endian id") << qint64(0x00) << "TEST_ID = 0x34DC (13532)";
        QTest::newRow("no field") << qint64(0x4A) << "";
        QTest::newRow("field past the end") << qint64(0x85) << "";
    }
    void describesTheFieldUnderAByte()
    {
        QFETCH(qint64, offset);
        QFETCH(QString, text);
        const QByteArray record = recordWith({{0x00, 0xDC}, {0x01, 0x34}, {0x0C, 0x0A}, {0x48, 0x05}});
        QCOMPARE(kMap.describeAt(offset, record), text);
    }

    void fullWidthValues()
    {
        const QByteArray bytes(8, '\xFF');
        QCOMPARE(HexFieldMap::describe({0, 8, QStringLiteral("Q"), true}, bytes),
                 QStringLiteral("Q = 0xFFFFFFFFFFFFFFFF (18446744073709551615)"));
        QCOMPARE(HexFieldMap::describe({0, 1, QStringLiteral("B"), true}, bytes), QStringLiteral("B = 0xFF (255)"));
    }

    void widthsAreClamped()
    {
        const HexFieldMap map({{0, 0, QStringLiteral("A"), true}, {4, 20, QStringLiteral("B"), true}});
        QCOMPARE(map.fields().at(0).width, 1);
        QCOMPARE(map.fields().at(1).width, 8);
        QVERIFY(map.fieldAt(12) == nullptr);
        QCOMPARE(map.fieldAt(11)->name, QStringLiteral("B"));
    }
};

QTEST_GUILESS_MAIN(TestHexFieldMap)
#include "tst_hexfieldmap.moc"
