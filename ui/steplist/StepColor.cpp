#include "ui/steplist/StepColor.h"

#include "model/Blanks.h"
#include "model/Hex.h"
#include "model/StepRecord.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace {

struct IdRange {
    std::uint32_t first;
    std::uint32_t last;
};

struct ColorRanges {
    StepColor color;
    std::span<const IdRange> ranges;
};

constexpr IdRange kTeal[] = {
    {0xA1, 0xA4}, {0xA8, 0xA8}, {0xAA, 0xAA}, {0xAC, 0xAC}, {0xAE, 0xAE}, {0xB1, 0xB2},
    {0x1000, 0x101F}, {0x240A, 0x240F}, {0x2412, 0x2415}, {0x2417, 0x2417}, {0x2419, 0x241A},
    {0x241D, 0x241F}, {0x2422, 0x2422}, {0x2424, 0x2424}, {0x2427, 0x2427}, {0x242A, 0x242E},
    {0x2432, 0x2433}, {0x2436, 0x2436}, {0x243F, 0x243F}, {0x2441, 0x2441}, {0x2443, 0x2444},
    {0x2446, 0x2446}, {0x244C, 0x244F}, {0x2451, 0x2451}, {0x2454, 0x2454}, {0x2802, 0x2802},
    {0x2820, 0x2820}, {0x2900, 0x2904}, {0x2907, 0x2907}, {0x2921, 0x2921}, {0x2A02, 0x2A02},
    {0x2B00, 0x2B00},
};
constexpr IdRange kGreen[] = {
    {0xB9, 0xBA}, {0xBC, 0xBC}, {0xD2, 0xD2}, {0xD4, 0xD4}, {0x3300, 0x3301},
    {0x3400, 0x3401}, {0x3405, 0x3406}, {0x3420, 0x3420},
};
constexpr IdRange kMaroon[] = {{0xBB, 0xBB}};
constexpr IdRange kOlive[] = {
    {0xD1, 0xD1}, {0xD3, 0xD3}, {0xD5, 0xD5}, {0xD7, 0xD8}, {0xDA, 0xDB}, {0xDD, 0xDD},
    {0xF7, 0xF7}, {0x3402, 0x3402}, {0x3421, 0x3421}, {0x34D1, 0x34D7},
};
constexpr IdRange kBlue[] = {{0xDC, 0xDC}};
constexpr IdRange kRed[] = {
    {0x2401, 0x2409}, {0x2410, 0x2411}, {0x2416, 0x2416}, {0x2418, 0x2418}, {0x241C, 0x241C},
    {0x2420, 0x2421}, {0x2423, 0x2423}, {0x2425, 0x2426}, {0x2428, 0x2429}, {0x242F, 0x2430},
    {0x2435, 0x2435}, {0x2438, 0x2438}, {0x243A, 0x243B}, {0x243D, 0x243E}, {0x2440, 0x2440},
    {0x2448, 0x244A}, {0x2450, 0x2450}, {0x2452, 0x2453}, {0x2455, 0x2455},
};
constexpr IdRange kLime[] = {{0x8000, 0xFFFF}};

constexpr ColorRanges kColorTable[] = {
    {StepColor::Teal, kTeal},     {StepColor::Green, kGreen}, {StepColor::Maroon, kMaroon},
    {StepColor::Olive, kOlive},   {StepColor::Blue, kBlue},   {StepColor::Red, kRed},
    {StepColor::Lime, kLime},
};

// Tests whose colour depends on the kind of scan in the low byte of P1.
constexpr IdRange kByScanKind[] = {
    {0xC3, 0xC5}, {0xC8, 0xC8}, {0x2909, 0x290F}, {0x2916, 0x2916},
    {0x2920, 0x2920}, {0x2940, 0x2940}, {0x2F00, 0x2F00},
};
// Low bytes of P1 that make those tests red (teal otherwise).
constexpr IdRange kRedScanKinds[] = {
    {0x44, 0x46}, {0x4A, 0x4F}, {0x58, 0x58}, {0x69, 0x6B}, {0x6F, 0x70}, {0x80, 0x80},
    {0x8D, 0x8E}, {0x90, 0x91}, {0xA6, 0xA7}, {0xE4, 0xE4}, {0xE8, 0xE8},
};

bool inRanges(std::span<const IdRange> ranges, std::uint32_t value)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [value](const IdRange& r) { return value >= r.first && value <= r.last; });
}

std::uint32_t idFromText(std::string_view text)
{
    return pst::parseHex32(pst::trimBlanks(text)).value_or(0);
}

// The low byte of P1, 0 when the record is too short to hold it.
std::uint32_t scanKind(pst::ByteView record)
{
    return record.size() > pst::field::P1 ? record[pst::field::P1] : 0;
}

StepColor colorForId(std::uint32_t id, pst::ByteView record)
{
    if (id == 0)
        return StepColor::Fuchsia;
    for (const ColorRanges& entry : kColorTable)
        if (inRanges(entry.ranges, id))
            return entry.color;
    if (inRanges(kByScanKind, id))
        return inRanges(kRedScanKinds, scanKind(record)) ? StepColor::Red : StepColor::Teal;
    return StepColor::WindowText;
}

} // namespace

StepColor lvScriptCustomDrawItem(std::string_view idText, pst::ByteView record)
{
    if (pst::getU16(record, pst::field::GOTO_ON_SUCCES) == pst::kNoStep)
        return StepColor::Fuchsia;
    return colorForId(idFromText(idText), record);
}

QColor stepColorValue(StepColor color)
{
    switch (color) {
    case StepColor::WindowText: return {};
    case StepColor::Fuchsia: return {255, 0, 255};
    case StepColor::Teal: return {0, 128, 128};
    case StepColor::Green: return {0, 128, 0};
    case StepColor::Maroon: return {128, 0, 0};
    case StepColor::Olive: return {128, 128, 0};
    case StepColor::Blue: return {0, 0, 255};
    case StepColor::Red: return {255, 0, 0};
    case StepColor::Lime: return {0, 255, 0};
    }
    return {};
}
