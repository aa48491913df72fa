#include "ui/hexview/HexClipboard.h"

#include "model/HexDigit.h"

#include <QtCore/QMimeData>

namespace HexClipboard {

QString toHexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

std::optional<QByteArray> fromHexText(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    int high = -1; // the first digit of a pair, while its second is awaited
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        const int digit = pst::hexDigitValue(c.unicode());
        if (digit < 0)
            return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes.append(static_cast<char>(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0 || bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

std::unique_ptr<QMimeData> encode(const QByteArray& bytes)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(kMimeType), bytes);
    mime->setText(toHexText(bytes));
    return mime;
}

std::optional<QByteArray> decode(const QMimeData* mime)
{
    if (mime == nullptr)
        return std::nullopt;
    const QString rawType = QString::fromLatin1(kMimeType);
    if (mime->hasFormat(rawType)) {
        QByteArray raw = mime->data(rawType);
        if (raw.isEmpty())
            return std::nullopt;
        return raw;
    }
    if (mime->hasText())
        return fromHexText(mime->text());
    return std::nullopt;
}

} // namespace HexClipboard
