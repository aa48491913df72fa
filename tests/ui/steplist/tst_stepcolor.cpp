// The row colour over the whole table of test ids: every range's first and
// last id and the ids just outside, every id up to FFFF against the table as
// written below, the red scan kinds of P1, and the fuchsia end-of-script rule.

#include "ui/steplist/StepColor.h"

#include <QtCore/QMap>
#include <QtTest/QtTest>

#include <array>
#include <vector>

Q_DECLARE_METATYPE(StepColor)

namespace {

// The colour table as the engineers read it, kept as text so that the test
// does not share the code's constants.
struct TextRow {
    StepColor color;
    const char* ids;
};
const TextRow kTable[] = {
    {StepColor::Teal,
     "A1-A4, A8, AA, AC, AE, B1-B2, 1000-101F, 240A-240F, 2412-2415, 2417, 2419-241A, 241D-241F, 2422, 2424, "
     "2427, 242A-242E, 2432-2433, 2436, 243F, 2441, 2443-2444, 2446, 244C-244F, 2451, 2454, 2802, 2820, "
     "2900-2904, 2907, 2921, 2A02, 2B00"},
    {StepColor::Green, "B9-BA, BC, D2, D4, 3300-3301, 3400-3401, 3405-3406, 3420"},
    {StepColor::Maroon, "BB"},
    {StepColor::Olive, "D1, D3, D5, D7-D8, DA-DB, DD, F7, 3402, 3421, 34D1-34D7"},
    {StepColor::Blue, "DC"},
    {StepColor::Red,
     "2401-2409, 2410-2411, 2416, 2418, 241C, 2420-2421, 2423, 2425-2426, 2428-2429, 242F-2430, 2435, 2438, "
     "243A-243B, 243D-243E, 2440, 2448-244A, 2450, 2452-2453, 2455"},
    {StepColor::Lime, "8000-FFFF"},
};
// Ids whose colour is red or teal by the low byte of P1.
const char* const kByScanKind = "C3-C5, C8, 2909-290F, 2916, 2920, 2940, 2F00";
const char* const kRedScanKinds = "44-46, 4A-4F, 58, 69-6B, 6F-70, 80, 8D-8E, 90-91, A6-A7, E4, E8";

struct Range {
    uint first;
    uint last;
};

std::vector<Range> parseRanges(const char* text)
{
    std::vector<Range> out;
    for (const QString& item : QString::fromLatin1(text).split(QLatin1Char(','))) {
        const QStringList ends = item.trimmed().split(QLatin1Char('-'));
        out.push_back({ends.front().toUInt(nullptr, 16), ends.back().toUInt(nullptr, 16)});
    }
    return out;
}

constexpr uint kIdCount = 0x10000;

// Expected colour of every id 0..FFFF for a record whose P1 low byte is `scan`.
std::vector<StepColor> expectedColors(quint8 scan)
{
    std::vector<StepColor> colors(kIdCount, StepColor::WindowText);
    colors[0] = StepColor::Fuchsia;
    for (const TextRow& row : kTable)
        for (const Range& r : parseRanges(row.ids))
            for (uint id = r.first; id <= r.last; ++id)
                colors[id] = row.color;
    bool red = false;
    for (const Range& r : parseRanges(kRedScanKinds))
        red = red || (scan >= r.first && scan <= r.last);
    for (const Range& r : parseRanges(kByScanKind))
        for (uint id = r.first; id <= r.last; ++id)
            colors[id] = red ? StepColor::Red : StepColor::Teal;
    return colors;
}

QByteArray record(quint8 scan = 0, quint16 goodStep = 2)
{
    QByteArray bytes(136, '\0');
    bytes[0x04] = static_cast<char>(scan);
    bytes[0x48] = static_cast<char>(goodStep & 0xFF);
    bytes[0x49] = static_cast<char>(goodStep >> 8);
    return bytes;
}

pst::ByteView view(const QByteArray& bytes)
{
    return {reinterpret_cast<const pst::Byte*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

StepColor colorOf(const QString& idText, const QByteArray& rec)
{
    const QByteArray text = idText.toLatin1();
    return lvScriptCustomDrawItem(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                  view(rec));
}

QString idText(uint id) { return QString::number(id, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

} // namespace

class TestStepColor : public QObject {
    Q_OBJECT

private slots:
    // Each range's ends take its colour; the ids just outside take whatever
    // the table gives them.
    void rangeBoundaries_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<StepColor>("color");
        const std::vector<StepColor> expected = expectedColors(0);
        auto addRow = [&](const char* what, const char* ids, uint id) {
            if (id >= kIdCount)
                return;
            QTest::addRow("%s %s: %s", what, ids, qPrintable(idText(id))) << idText(id) << expected[id];
        };
        for (const TextRow& row : kTable) {
            for (const Range& r : parseRanges(row.ids)) {
                const QByteArray name = QStringLiteral("%1-%2").arg(idText(r.first), idText(r.last)).toLatin1();
                addRow("first", name.constData(), r.first);
                addRow("last", name.constData(), r.last);
                addRow("below", name.constData(), r.first - 1);
                addRow("above", name.constData(), r.last + 1);
            }
        }
    }
    void rangeBoundaries()
    {
        QFETCH(QString, id);
        QFETCH(StepColor, color);
        QCOMPARE(colorOf(id, record()), color);
    }

    // Every id up to FFFF, for a red and a teal scan kind.
    void everyIdMatchesTheTable_data()
    {
        QTest::addColumn<int>("scan");
        QTest::newRow("teal scan 41") << 0x41;
        QTest::newRow("red scan 45") << 0x45;
    }
    void everyIdMatchesTheTable()
    {
        QFETCH(int, scan);
        const std::vector<StepColor> expected = expectedColors(static_cast<quint8>(scan));
        const QByteArray rec = record(static_cast<quint8>(scan));
        for (uint id = 0; id < kIdCount; ++id)
            if (colorOf(idText(id), rec) != expected[id])
                QFAIL(qPrintable(QStringLiteral("id %1").arg(idText(id))));
    }

    // C3 and its kin: red for the listed low bytes of P1, teal for all others;
    // only the low byte counts.
    void scanKindOfP1()
    {
        std::array<bool, 256> red{};
        for (const Range& r : parseRanges(kRedScanKinds))
            for (uint b = r.first; b <= r.last; ++b)
                red[b] = true;
        for (uint b = 0; b < 256; ++b) {
            const StepColor want = red[b] ? StepColor::Red : StepColor::Teal;
            QByteArray rec = record(static_cast<quint8>(b));
            rec[0x05] = '\x12'; // higher bytes of P1 do not matter
            QVERIFY2(colorOf(QStringLiteral("C3"), rec) == want, qPrintable(QString::number(b, 16)));
        }
    }

    void textAndRecordEdges_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("rec");
        QTest::addColumn<StepColor>("color");
        QTest::newRow("DC is blue") << "DC" << record() << StepColor::Blue;
        QTest::newRow("DC going nowhere is fuchsia") << "DC" << record(0, 0xFFFF) << StepColor::Fuchsia;
        QTest::newRow("lime id going nowhere is fuchsia") << "8000" << record(0, 0xFFFF) << StepColor::Fuchsia;
        QTest::newRow("window text id going nowhere") << "10" << record(0, 0xFFFF) << StepColor::Fuchsia;
        QTest::newRow("FFFE is not the end") << "DC" << record(0, 0xFFFE) << StepColor::Blue;
        QTest::newRow("C3 with P1 45 is red") << "C3" << record(0x45) << StepColor::Red;
        QTest::newRow("C3 with P1 41 is teal") << "C3" << record(0x41) << StepColor::Teal;
        QTest::newRow("blanks around the id") << " \tdc  " << record() << StepColor::Blue;
        QTest::newRow("lower case") << "34d1" << record() << StepColor::Olive;
        QTest::newRow("leading zeros") << "00DC" << record() << StepColor::Blue;
        QTest::newRow("empty text counts as 0") << "" << record() << StepColor::Fuchsia;
        QTest::newRow("prefix is no number") << "0xDC" << record() << StepColor::Fuchsia;
        QTest::newRow("inner blank is no number") << "D C" << record() << StepColor::Fuchsia;
        QTest::newRow("above FFFF") << "10000" << record() << StepColor::WindowText;
        QTest::newRow("beyond 32 bits counts as 0") << "123456789" << record() << StepColor::Fuchsia;
        QTest::newRow("no record: C3 is teal") << "C3" << QByteArray() << StepColor::Teal;
        QTest::newRow("record ending inside P1") << "C3" << QByteArray("\0\0\0\0\x45", 5) << StepColor::Red;
    }
    void textAndRecordEdges()
    {
        QFETCH(QString, id);
        QFETCH(QByteArray, rec);
        QFETCH(StepColor, color);
        QCOMPARE(colorOf(id, rec), color);
    }

    void rgbValues()
    {
        QVERIFY(!stepColorValue(StepColor::WindowText).isValid());
        QCOMPARE(stepColorValue(StepColor::Fuchsia), QColor(255, 0, 255));
        QCOMPARE(stepColorValue(StepColor::Teal), QColor(0, 128, 128));
        QCOMPARE(stepColorValue(StepColor::Green), QColor(0, 128, 0));
        QCOMPARE(stepColorValue(StepColor::Maroon), QColor(128, 0, 0));
        QCOMPARE(stepColorValue(StepColor::Olive), QColor(128, 128, 0));
        QCOMPARE(stepColorValue(StepColor::Blue), QColor(0, 0, 255));
        QCOMPARE(stepColorValue(StepColor::Red), QColor(255, 0, 0));
        QCOMPARE(stepColorValue(StepColor::Lime), QColor(0, 255, 0));
    }
};

QTEST_APPLESS_MAIN(TestStepColor)
#include "tst_stepcolor.moc"
