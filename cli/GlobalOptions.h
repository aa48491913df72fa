#pragma once
// The options that come before the first command.

#include <array>
#include <string_view>

namespace pst::cli {

inline constexpr std::string_view kCatalogsOption = "--catalogs";
inline constexpr std::string_view kKeepGoingOption = "--keep-going";
inline constexpr std::string_view kHelpOption = "--help";
inline constexpr std::string_view kVersionOption = "--version";

inline constexpr std::array<std::string_view, 4> kGlobalOptionNames = {kCatalogsOption, kKeepGoingOption,
                                                                       kHelpOption, kVersionOption};

inline bool isGlobalOption(std::string_view arg)
{
    for (std::string_view name : kGlobalOptionNames)
        if (arg == name)
            return true;
    return false;
}

} // namespace pst::cli
