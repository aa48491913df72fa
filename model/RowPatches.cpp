#include "model/RowPatches.h"

#include "model/StepList.h"

#include <algorithm>
#include <utility>

namespace pst {

void RowPatches::after(int index, const StepRow& row)
{
    const ByteView now = row.record.bytes();
    Patch patch;
    patch.row = index;
    patch.icon = m_icon;
    if (now.size() != m_before.size()) {
        patch.wholeRecord = true;
        patch.length = static_cast<std::uint32_t>(m_before.size());
    } else {
        const auto first = std::mismatch(m_before.begin(), m_before.end(), now.begin());
        if (first.first != m_before.end()) {
            const auto last = std::mismatch(m_before.rbegin(), m_before.rend(), now.rbegin());
            patch.offset = static_cast<std::uint32_t>(first.first - m_before.begin());
            patch.length = static_cast<std::uint32_t>((m_before.rend() - last.first) - patch.offset);
        }
    }
    patch.texts = !(row.caption == m_caption) || !(row.description == m_description);
    if (patch.length == 0 && !patch.wholeRecord && !patch.texts && row.icon == m_icon)
        return;
    patch.at = m_bytes.size();
    const auto from = m_before.begin() + patch.offset;
    m_bytes.insert(m_bytes.end(), from, from + patch.length);
    if (patch.texts) {
        patch.text = static_cast<std::uint32_t>(m_texts.size());
        m_texts.push_back({std::move(m_caption), std::move(m_description)});
    }
    m_patches.push_back(patch);
}

void RowPatches::finish()
{
    Bytes().swap(m_before);
    m_caption = {};
    m_description = {};
    m_patches.shrink_to_fit();
    m_bytes.shrink_to_fit();
}

std::size_t RowPatches::memory() const
{
    std::size_t texts = 0;
    for (const Texts& t : m_texts)
        texts += t.caption.size() + t.description.size();
    return sizeof(*this) + m_patches.capacity() * sizeof(Patch) + m_bytes.capacity()
        + m_texts.capacity() * sizeof(Texts) + texts;
}

void RowPatches::exchange(StepList& steps)
{
    if (m_patches.empty())
        return;
    // A whole record may come back at another size: the kept bytes are laid
    // out anew as they are swapped.
    Bytes kept;
    kept.reserve(m_bytes.size());
    auto patch = m_patches.begin();
    steps.editRows(m_patches.front().row, m_patches.back().row, [&](StepRow& row, int i) {
        if (patch == m_patches.end() || patch->row != i)
            return;
        const auto from = m_bytes.begin() + static_cast<std::ptrdiff_t>(patch->at);
        const auto to = from + patch->length;
        patch->at = kept.size();
        if (patch->wholeRecord) {
            const ByteView now = row.record.bytes();
            kept.insert(kept.end(), now.begin(), now.end());
            row.record = StepRecord(Bytes(from, to));
            patch->length = static_cast<std::uint32_t>(now.size());
        } else {
            const auto place = row.record.mutableBytes().begin() + patch->offset;
            kept.insert(kept.end(), place, place + patch->length);
            std::copy(from, to, place);
        }
        if (patch->texts) {
            Texts& t = m_texts[patch->text];
            std::swap(row.caption, t.caption);
            std::swap(row.description, t.description);
        }
        std::swap(row.icon, patch->icon);
        ++patch;
    });
    m_bytes = std::move(kept);
}

} // namespace pst
