// The clipboard forms of the hex view: what copy offers and which offers
// paste accepts.

#include "ui/hexview/HexClipboard.h"

#include <QtCore/QMimeData>
#include <QtTest/QtTest>

using OptionalBytes = std::optional<QByteArray>;
Q_DECLARE_METATYPE(OptionalBytes)

class TestHexClipboard : public QObject {
    Q_OBJECT

private slots:
    void hexText()
    {
        QCOMPARE(HexClipboard::toHexText(QByteArray::fromHex("000aff7f")), QStringLiteral("00 0A FF 7F"));
        QCOMPARE(HexClipboard::toHexText({}), QString());
    }

    void readingText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalBytes>("bytes");
        const OptionalBytes none;
        QTest::newRow("copied form") << "00 0A FF" << OptionalBytes(QByteArray::fromHex("000aff"));
        QTest::newRow("no blanks, lower case") << "000aff" << OptionalBytes(QByteArray::fromHex("000aff"));
        QTest::newRow("lines and tabs") << " 12\t34\r\n56 \n" << OptionalBytes(QByteArray::fromHex("123456"));
        QTest::newRow("pairs split by a blank") << "1 2" << OptionalBytes(QByteArray::fromHex("12"));
        QTest::newRow("odd digit count") << "00 0A F" << none;
        QTest::newRow("prefix") << "0x12" << none;
        QTest::newRow("other letters") << "12 G4" << none;
        QTest::newRow("separator") << "12,34" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("only blanks") << "  \n" << none;
    }
    void readingText()
    {
        QFETCH(QString, text);
        QFETCH(OptionalBytes, bytes);
        QCOMPARE(HexClipboard::fromHexText(text), bytes);
    }

    void encodeOffersRawAndText()
    {
        const QByteArray bytes("\x00\x41\xff\x0a", 4);
        const std::unique_ptr<QMimeData> mime = HexClipboard::encode(bytes);
        QCOMPARE(mime->data(QStringLiteral("application/x-pst-bytes")), bytes);
        QCOMPARE(mime->text(), QStringLiteral("00 41 FF 0A"));
        QCOMPARE(HexClipboard::decode(mime.get()), OptionalBytes(bytes));
    }

    void rawFormIsPreferred()
    {
        QMimeData mime;
        mime.setData(QString::fromLatin1(HexClipboard::kMimeType), QByteArray("\x01\x02", 2));
        mime.setText(QStringLiteral("FF FF FF"));
        QCOMPARE(HexClipboard::decode(&mime), OptionalBytes(QByteArray("\x01\x02", 2)));
    }

    void unusableOffersGiveNothing()
    {
        QCOMPARE(HexClipboard::decode(nullptr), OptionalBytes());
        QMimeData empty;
        QCOMPARE(HexClipboard::decode(&empty), OptionalBytes());
        QMimeData prose;
        prose.setText(QStringLiteral("Self scan"));
        QCOMPARE(HexClipboard::decode(&prose), OptionalBytes());
        QMimeData image;
        image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
        QCOMPARE(HexClipboard::decode(&image), OptionalBytes());
    }
};

QTEST_GUILESS_MAIN(TestHexClipboard)
#include "tst_hexclipboard.moc"
