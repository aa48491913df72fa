#pragma once
// The two clipboard forms of the hex view's bytes.
//
// Copy offers the bytes raw under kMimeType and as text: upper-case hex pairs
// separated by single blanks ("00 0A FF"). Paste takes the raw form first;
// otherwise text made only of hex digits and white space with an even number
// of digits, blanks optional ("000aff" and "00 0A FF" give the same bytes).
// Anything else, and an empty offer, pastes nothing.

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <memory>
#include <optional>

class QMimeData;

namespace HexClipboard {

inline constexpr char kMimeType[] = "application/x-pst-bytes";

QString toHexText(const QByteArray& bytes);
// nullopt unless the text is all hex digits and white space with an even,
// non-zero number of digits.
std::optional<QByteArray> fromHexText(const QString& text);

std::unique_ptr<QMimeData> encode(const QByteArray& bytes);
// The bytes an offer holds, or nullopt when it holds none the view accepts.
std::optional<QByteArray> decode(const QMimeData* mime);

} // namespace HexClipboard
