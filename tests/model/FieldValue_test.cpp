#include "model/FieldValue.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {
struct ParseCase {
    const char* text;
    std::size_t width;
    FieldBase base;
    bool ok;
    std::uint32_t value;
    const char* error;
};

const ParseCase kCases[] = {
    // Hex with and without its prefix, either case, blanks around.
    {"FFFF", 2, FieldBase::Hex, true, 0xFFFF, ""},
    {"0xffff", 2, FieldBase::Hex, true, 0xFFFF, ""},
    {" 0X1a ", 2, FieldBase::Hex, true, 0x1A, ""},
    {"0", 2, FieldBase::Hex, true, 0, ""},
    {"000000000000FF", 1, FieldBase::Hex, true, 0xFF, ""},
    {"FFFFFFFF", 4, FieldBase::Hex, true, 0xFFFFFFFF, ""},
    // Decimal; a prefix means hex there too.
    {"65535", 2, FieldBase::Decimal, true, 65535, ""},
    {"4294967295", 4, FieldBase::Decimal, true, 4294967295u, ""},
    {"0x10", 2, FieldBase::Decimal, true, 16, ""},
    {"10", 2, FieldBase::Hex, true, 16, ""},
    {"10", 2, FieldBase::Decimal, true, 10, ""},
    // One past each width's maximum.
    {"100", 1, FieldBase::Hex, false, 0, "\"100\" does not fit in 1 byte (at most 0xFF)"},
    {"0x10000", 2, FieldBase::Decimal, false, 0, "\"0x10000\" does not fit in 2 bytes (at most 0xFFFF)"},
    {"65536", 2, FieldBase::Decimal, false, 0, "\"65536\" does not fit in 2 bytes (at most 65535)"},
    {"4294967296", 4, FieldBase::Decimal, false, 0, "\"4294967296\" does not fit in 4 bytes (at most 4294967295)"},
    {"1FFFFFFFF", 4, FieldBase::Hex, false, 0, "\"1FFFFFFFF\" does not fit in 4 bytes (at most 0xFFFFFFFF)"},
    // Far more digits than any integer holds: refused, not wrapped around.
    {"100000000000000000000000000001", 4, FieldBase::Decimal, false, 0,
     "\"100000000000000000000000...\" does not fit in 4 bytes (at most 4294967295)"},
    {"10000000000000000000000000000000000000001", 4, FieldBase::Hex, false, 0,
     "\"100000000000000000000000...\" does not fit in 4 bytes (at most 0xFFFFFFFF)"},
    // Not numbers at all.
    {"", 2, FieldBase::Hex, false, 0, "Enter a value"},
    {"   ", 2, FieldBase::Decimal, false, 0, "Enter a value"},
    {"0x", 2, FieldBase::Hex, false, 0, "\"0x\" is not a hexadecimal number"},
    {"0x0x5", 2, FieldBase::Hex, false, 0, "\"0x0x5\" is not a hexadecimal number"},
    {"1A", 2, FieldBase::Decimal, false, 0, "\"1A\" is not a decimal number"},
    {"-1", 2, FieldBase::Decimal, false, 0, "\"-1\" is not a decimal number"},
    {"+1", 2, FieldBase::Hex, false, 0, "\"+1\" is not a hexadecimal number"},
    {"12 34", 2, FieldBase::Hex, false, 0, "\"12 34\" is not a hexadecimal number"},
    {"FFFFFFFFFG", 4, FieldBase::Hex, false, 0, "\"FFFFFFFFFG\" is not a hexadecimal number"},
    {"5h", 2, FieldBase::Hex, false, 0, "\"5h\" is not a hexadecimal number"},
};
} // namespace

TEST(FieldValue, ParsesOrSaysWhy)
{
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(std::string("text '") + c.text + "' width " + std::to_string(c.width));
        const FieldValue v = parseFieldValue(c.text, c.width, c.base);
        EXPECT_EQ(v.ok, c.ok);
        EXPECT_EQ(v.value, c.value);
        EXPECT_EQ(v.error, c.error);
    }
}

TEST(FieldValue, BytesAreLittleEndianAndExactlyTheWidth)
{
    EXPECT_EQ(fieldBytes(0x12345678, 4), (Bytes{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(fieldBytes(0xBEEF, 2), (Bytes{0xEF, 0xBE}));
    EXPECT_EQ(fieldBytes(0x1FF, 1), (Bytes{0xFF}));
    EXPECT_EQ(fieldMaximum(1), 0xFFu);
    EXPECT_EQ(fieldMaximum(2), 0xFFFFu);
    EXPECT_EQ(fieldMaximum(4), 0xFFFFFFFFu);
}
