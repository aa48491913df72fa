#include "compare/StepKeys.h"

#include <algorithm>
#include <cstring>

namespace pst {

namespace {

constexpr std::size_t kWords = kStepKeyBytes / 8;
using KeyWords = std::array<std::uint64_t, kWords>;

// The key bytes of a record as words (their byte order does not matter:
// they are only hashed and compared); a short record reads as if followed
// by zeros.
KeyWords keyWords(const StepRecord& record)
{
    KeyWords words{};
    if (record.size() >= kStepKeyBytes)
        std::memcpy(words.data(), record.bytes().data(), kStepKeyBytes);
    else if (!record.empty())
        std::memcpy(words.data(), record.bytes().data(), record.size());
    return words;
}

// The words are multiplied each by its own odd constant and summed, so that
// the multiplications run side by side; the mix at the end spreads the sum.
std::uint64_t hashKey(const KeyWords& key)
{
    static constexpr std::array<std::uint64_t, kWords> kFactors = {
        0x9E3779B97F4A7C15u, 0xC2B2AE3D27D4EB4Fu, 0x165667B19E3779F9u, 0xD6E8FEB86659FD93u, 0xFF51AFD7ED558CCDu,
        0xC4CEB9FE1A85EC53u, 0x94D049BB133111EBu, 0xBF58476D1CE4E5B9u, 0x2545F4914F6CDD1Du};
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < kWords; ++i)
        h += (key[i] ^ (key[i] >> 29)) * kFactors[i];
    h ^= h >> 32;
    h *= 0xFF51AFD7ED558CCDu;
    return h ^ (h >> 29);
}

// Open addressing over the hashes, grown as keys come (scripts repeat their
// steps: a small table stays in the cache); each key keeps the words of its
// first step, to tell keys with the same hash apart.
class KeyTable {
public:
    std::uint32_t keyOf(const KeyWords& words)
    {
        const std::uint64_t hash = hashKey(words);
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        for (std::size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
            Slot& slot = m_slots[i];
            if (slot.key == kEmpty) {
                slot = {tag, static_cast<std::uint32_t>(m_words.size())};
                m_hashes.push_back(hash);
                m_words.push_back(words);
                if (2 * m_words.size() > m_slots.size())
                    grow();
                return static_cast<std::uint32_t>(m_words.size() - 1);
            }
            if (slot.tag == tag && m_words[slot.key] == words)
                return slot.key;
        }
    }
    std::uint32_t count() const { return static_cast<std::uint32_t>(m_words.size()); }

private:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t key = kEmpty;
    };

    void grow()
    {
        m_slots.assign(2 * m_slots.size(), Slot{});
        m_mask = m_slots.size() - 1;
        for (std::uint32_t key = 0; key < m_hashes.size(); ++key) {
            std::size_t i = m_hashes[key] & m_mask;
            while (m_slots[i].key != kEmpty)
                i = (i + 1) & m_mask;
            m_slots[i] = {static_cast<std::uint32_t>(m_hashes[key] >> 32), key};
        }
    }

    std::vector<Slot> m_slots = std::vector<Slot>(1024);
    std::size_t m_mask = 1023;
    std::vector<std::uint64_t> m_hashes;
    std::vector<KeyWords> m_words;
};

void read(std::span<const StepRow> rows, KeyTable& table, std::vector<std::uint32_t>& keys,
          std::vector<StepLinkValues>& links)
{
    keys.reserve(rows.size());
    links.reserve(rows.size());
    // The records lie apart in memory: ask for the next ones early.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size())
            __builtin_prefetch(rows[i + kAhead].record.bytes().data());
        const StepRecord& record = rows[i].record;
        keys.push_back(table.keyOf(keyWords(record)));
        links.push_back({record.link(0), record.link(1), record.link(2)});
    }
}

} // namespace

StepKeys stepKeys(std::span<const StepRow> left, std::span<const StepRow> right)
{
    KeyTable table;
    StepKeys keys;
    read(left, table, keys.left, keys.leftLinks);
    read(right, table, keys.right, keys.rightLinks);
    keys.count = table.count();
    return keys;
}

} // namespace pst
