#include "model/TextDecode.h"

#include <cstdint>

namespace pst {

namespace {

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The second byte of E0, ED, F0 and F4 sequences has a narrower range: it
// excludes overlong forms, surrogates and code points above U+10FFFF.
bool secondByteAllowed(unsigned char lead, unsigned char second)
{
    switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return isContinuation(second);
    }
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int len = sequenceLength(lead);
        if (len == 0 || bytes.size() - i < static_cast<std::size_t>(len))
            return false;
        if (len > 1 && !secondByteAllowed(lead, static_cast<unsigned char>(bytes[i + 1])))
            return false;
        for (int k = 2; k < len; ++k)
            if (!isContinuation(static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)])))
                return false;
        i += static_cast<std::size_t>(len);
    }
    return true;
}

std::string displayText(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace pst
