#include "compare/StepKeys.h"

#include <array>
#include <bit>
#include <cstring>
#include <deque>

namespace pst {

namespace {

using KeyBytes = std::array<Byte, kStepKeyBytes>;

// The key bytes of a record, in place; a record shorter than the key is
// copied with zeros after it.
class KeyStore {
public:
    const Byte* bytesOf(const StepRecord& record)
    {
        if (record.size() >= kStepKeyBytes)
            return record.bytes().data();
        KeyBytes& padded = m_padded.emplace_back();
        padded.fill(0);
        if (!record.empty())
            std::memcpy(padded.data(), record.bytes().data(), record.size());
        return padded.data();
    }

private:
    std::deque<KeyBytes> m_padded;
};

std::uint64_t hashKey(const Byte* key)
{
    std::uint64_t h = 0x9E3779B97F4A7C15u;
    for (std::size_t at = 0; at < kStepKeyBytes; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, key + at, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDu;
        h ^= h >> 32;
    }
    return h;
}

// Open addressing over the hashes; a slot keeps the first key of its value.
class KeyTable {
public:
    explicit KeyTable(std::size_t keys) : m_slots(std::bit_ceil(2 * keys + 2)) {}

    std::uint32_t keyOf(const Byte* bytes)
    {
        const std::uint64_t hash = hashKey(bytes);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = m_slots[i];
            if (slot.bytes == nullptr) {
                slot = {hash, bytes, m_count};
                return m_count++;
            }
            if (slot.hash == hash && std::memcmp(slot.bytes, bytes, kStepKeyBytes) == 0)
                return slot.key;
        }
    }
    std::uint32_t count() const { return m_count; }

private:
    struct Slot {
        std::uint64_t hash = 0;
        const Byte* bytes = nullptr;
        std::uint32_t key = 0;
    };
    std::vector<Slot> m_slots;
    std::uint32_t m_count = 0;
};

} // namespace

StepKeys stepKeys(std::span<const StepRow> left, std::span<const StepRow> right)
{
    KeyStore store;
    KeyTable table(left.size() + right.size());
    StepKeys keys;
    keys.left.reserve(left.size());
    keys.right.reserve(right.size());
    for (const StepRow& row : left)
        keys.left.push_back(table.keyOf(store.bytesOf(row.record)));
    for (const StepRow& row : right)
        keys.right.push_back(table.keyOf(store.bytesOf(row.record)));
    keys.count = table.count();
    return keys;
}

} // namespace pst
