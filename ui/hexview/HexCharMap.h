#pragma once
// How the character pane shows a byte and which byte a typed character
// stands for: the system's 8-bit code page (Latin-1 outside Windows).
//
// Bytes 0x00 to 0x1F show as "."; so does any byte the code page has no
// printable character for (in Latin-1: 0x7F, the control codes 0x80 to 0x9F
// and the soft hyphen 0xAD), since drawing a control code would show nothing
// at all or break the column.

#include <QtCore/QChar>
#include <QtCore/QHash>
#include <QtCore/QtGlobal>

#include <array>
#include <optional>

class HexCharMap {
public:
    // The map of the system's code page, built once.
    static const HexCharMap& system();
    static HexCharMap latin1();

    QChar displayChar(quint8 byte) const { return m_chars[byte]; }
    // The byte a typed character writes; nullopt for characters outside the
    // code page and for control characters.
    std::optional<quint8> byteFor(QChar c) const;

private:
    HexCharMap() = default;
    void set(quint8 byte, QChar c);

    std::array<QChar, 256> m_chars{};
    QHash<char16_t, quint8> m_bytes;
};
