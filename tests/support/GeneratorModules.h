#pragma once
// The modules that the generators read beside the script module, built in
// code: module E6 with its test list, module 1100 with its PTM history, and
// the ARCO modules 47, 21 and 2000..20C0. Bytes the generators must not read
// are filled with a pattern, so that a misplaced read shows.

#include "model/Bytes.h"
#include "model/ModuleLayout.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace pst::test {

inline constexpr Byte kFill = 0xA5;

// A test record of module E6: TEST_ID, TEST_ARG and P1.. from `params`.
Bytes e6Test(std::uint16_t testId, std::uint16_t testArg = 1, std::initializer_list<std::uint32_t> params = {});

// Module E6: first word, block table up to offset 512, the step count at
// offset 512 (entry 71) and the test records from 516 on (entry 72).
class E6ModuleBuilder {
public:
    explicit E6ModuleBuilder(ModuleLayout layout = ModuleLayout::Royl) : m_layout(layout) {}

    E6ModuleBuilder& firstWord(std::uint32_t word) { m_firstWord = word; return *this; }
    // N as written; default: the number of tests added.
    E6ModuleBuilder& count(std::uint32_t n) { m_count = n; return *this; }
    E6ModuleBuilder& test(Bytes record) { m_tests.push_back(std::move(record)); return *this; }
    // Zero bytes behind the last record (default none).
    E6ModuleBuilder& tail(std::size_t bytes) { m_tail = bytes; return *this; }
    // Overrides a block table entry (71: offset of N, 72: first record).
    E6ModuleBuilder& entry(std::size_t k, std::uint32_t value);

    static constexpr std::uint32_t kCountOffset = 512;
    static constexpr std::uint32_t kFirstTestOffset = 516;
    Bytes build() const;

private:
    ModuleLayout m_layout;
    std::uint32_t m_firstWord = 1;
    std::optional<std::uint32_t> m_count;
    std::vector<Bytes> m_tests;
    std::size_t m_tail = 0;
    std::vector<std::pair<std::size_t, std::uint32_t>> m_entries;
};

// One entry of the PTM history (the 28 bytes that are read).
struct PtmEntry {
    std::uint16_t testId;
    std::uint16_t testArg;
    std::array<std::uint32_t, 4> params;
};

// Module 1100: entries of 192 bytes from data offset + 34, then (when
// `terminated`) an entry with test id 0. The ROYL layout keeps the data
// offset at offset 6; the legacy layouts have it at 24.
Bytes ptmHistoryModule(ModuleLayout layout, const std::vector<PtmEntry>& entries, bool terminated = true,
                       std::uint16_t dataOffset = 0x30);

// An ARCO module with its block at `offset`: the code, then the bytes 1..63.
// `size` 0 makes it end right behind the block.
Bytes arcoModule(ModuleLayout layout, std::size_t offset, std::uint8_t code, std::size_t size = 0);
// The block arcoModule() writes for a code.
std::array<Byte, 64> arcoBlock(std::uint8_t code);

// Module 21 with the drive type code at its data offset.
Bytes driveTypeModule(ModuleLayout layout, std::uint16_t code, std::uint16_t dataOffset = 0x30);

// Module 47 with its word at offset 46 (ROYL) or 20 (legacy).
Bytes module47(ModuleLayout layout, std::uint16_t word);

} // namespace pst::test
