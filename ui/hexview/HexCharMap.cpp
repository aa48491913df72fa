#include "ui/hexview/HexCharMap.h"

#ifdef Q_OS_WIN
#include <QtCore/QStringDecoder>
#endif

namespace {
constexpr quint8 kFirstShownByte = 0x20;
constexpr QChar kUnshown = u'.';

#ifdef Q_OS_WIN
// One byte decoded alone in the ANSI code page; a lead byte of a multi-byte
// code page decodes to nothing and shows as ".".
QChar systemChar(quint8 byte)
{
    QStringDecoder decoder(QStringConverter::System);
    const char c = static_cast<char>(byte);
    const QString text = decoder.decode(QByteArrayView(&c, 1));
    return text.size() == 1 ? text.front() : QChar();
}
#endif
} // namespace

void HexCharMap::set(quint8 byte, QChar c)
{
    if (byte < kFirstShownByte || !c.isPrint() || c == QChar::ReplacementCharacter) {
        m_chars[byte] = kUnshown;
        return;
    }
    m_chars[byte] = c;
    m_bytes.insert(c.unicode(), byte);
}

HexCharMap HexCharMap::latin1()
{
    HexCharMap map;
    for (int b = 0; b < 256; ++b)
        map.set(static_cast<quint8>(b), QChar(static_cast<char16_t>(b)));
    return map;
}

const HexCharMap& HexCharMap::system()
{
#ifdef Q_OS_WIN
    static const HexCharMap map = [] {
        HexCharMap m;
        for (int b = 0; b < 256; ++b)
            m.set(static_cast<quint8>(b), systemChar(static_cast<quint8>(b)));
        return m;
    }();
#else
    static const HexCharMap map = latin1();
#endif
    return map;
}

std::optional<quint8> HexCharMap::byteFor(QChar c) const
{
    const auto it = m_bytes.constFind(c.unicode());
    if (it == m_bytes.constEnd())
        return std::nullopt;
    return *it;
}
