#include "model/FormatDuration.h"

namespace pst {

namespace {
std::string two(std::uint32_t v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}
} // namespace

std::string FormatDuration(std::uint32_t s)
{
    const std::uint32_t sec = s % 60;
    const std::uint32_t min = (s % 3600) / 60;
    std::uint32_t hours = s / 3600;
    std::string out;
    if (hours > 24) {
        hours %= 24;
        out = std::to_string(s / 86400) + ":";
    }
    return out + two(hours) + ":" + two(min) + ":" + two(sec);
}

} // namespace pst
