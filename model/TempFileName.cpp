#include "model/TempFileName.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace pst {

namespace {

constexpr std::string_view kLead = ".";
constexpr std::string_view kMark = ".pst-";
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// ".NAME.pst-" with NAME cut so that the unique part still fits.
std::string tempPrefix(std::string_view name, std::size_t nameMax)
{
    const std::size_t fixed = kLead.size() + kMark.size() + kTempUniqueLength;
    std::size_t keep = nameMax > fixed ? std::min(name.size(), nameMax - fixed) : 0;
    // Never inside a UTF-8 sequence: back up over its continuation bytes.
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    std::string prefix(kLead);
    prefix += name.substr(0, keep);
    prefix += kMark;
    return prefix;
}

} // namespace

std::string tempFileName(std::string_view name, std::string_view unique, std::size_t nameMax)
{
    return tempPrefix(name, nameMax) + std::string(unique);
}

bool isTempFileName(std::string_view entry, std::string_view name, std::size_t nameMax)
{
    const std::string prefix = tempPrefix(name, nameMax);
    if (entry.size() != prefix.size() + kTempUniqueLength || !entry.starts_with(prefix))
        return false;
    const std::string_view unique = entry.substr(prefix.size());
    return std::all_of(unique.begin(), unique.end(),
                       [](char c) { return kAlphabet.find(c) != std::string_view::npos; });
}

std::string tempUniquePart()
{
    static std::mt19937_64 random = [] {
        std::random_device device;
        const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
        return std::mt19937_64(seed);
    }();
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string unique(kTempUniqueLength, ' ');
    for (char& c : unique)
        c = kAlphabet[pick(random)];
    return unique;
}

} // namespace pst
