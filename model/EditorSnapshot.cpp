#include "model/EditorSnapshot.h"

#include "model/StepRecord.h"

namespace pst {

namespace {

constexpr char kMagic[8] = {'P', 'S', 'T', 'R', 'E', 'C', 'V', '1'};

class Writer {
public:
    void u8(std::uint8_t v) { m_out.push_back(v); }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_out.push_back(static_cast<Byte>(v >> (8 * i)));
    }
    void u64(std::uint64_t v)
    {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    void bytes(ByteView b)
    {
        u64(b.size());
        m_out.insert(m_out.end(), b.begin(), b.end());
    }
    void text(const std::string& s) { bytes(ByteView(reinterpret_cast<const Byte*>(s.data()), s.size())); }
    Bytes& out() { return m_out; }

private:
    Bytes m_out;
};

class Reader {
public:
    explicit Reader(ByteView in) : m_in(in) {}
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_in.size(); }
    std::uint8_t u8() { return need(1) ? m_in[m_pos++] : 0; }
    std::uint32_t u32()
    {
        if (!need(4))
            return 0;
        const std::uint32_t v = getU32(m_in, m_pos);
        m_pos += 4;
        return v;
    }
    std::uint64_t u64()
    {
        const std::uint64_t lo = u32();
        return lo | (static_cast<std::uint64_t>(u32()) << 32);
    }
    Bytes bytes()
    {
        const std::uint64_t n = u64();
        if (!need(n))
            return {};
        Bytes b(m_in.begin() + static_cast<std::ptrdiff_t>(m_pos), m_in.begin() + static_cast<std::ptrdiff_t>(m_pos + n));
        m_pos += n;
        return b;
    }
    std::string text()
    {
        const Bytes b = bytes();
        return std::string(b.begin(), b.end());
    }

private:
    bool need(std::uint64_t n)
    {
        if (!m_ok || n > m_in.size() - m_pos)
            m_ok = false;
        return m_ok;
    }
    ByteView m_in;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

std::uint32_t fletcher(ByteView b)
{
    std::uint32_t a = 1, s = 0;
    for (Byte v : b) {
        a = (a + v) % 65521;
        s = (s + a) % 65521;
    }
    return (s << 16) | a;
}

// What an editor can hold: a selection among the rows, records at least as
// large as the layout's error code needs (none before a module was parsed),
// and the capacity that the image gives. Anything else would let a save
// write a module of another size than the one loaded.
bool consistent(const EditorSnapshot& s)
{
    if (s.selected < StepList::kNone || s.selected >= static_cast<int>(s.rows.size()))
        return false;
    if (s.recordSize == 0)
        return s.rows.empty() && s.maxStepCount == 0;
    if (s.recordSize < minimumRecordSize(s.layout))
        return false;
    const auto first = static_cast<std::int64_t>(layoutInfo(s.layout).firstRecordOffset);
    return s.maxStepCount == (static_cast<std::int64_t>(s.image.size()) - first) / s.recordSize;
}

} // namespace

Bytes encodeSnapshot(const EditorSnapshot& snap)
{
    Writer w;
    for (char c : kMagic)
        w.u8(static_cast<std::uint8_t>(c));
    w.u64(static_cast<std::uint64_t>(snap.savedAtSeconds));
    w.bytes(snap.image);
    w.u8(static_cast<std::uint8_t>(snap.layout));
    w.u32(snap.recordSize);
    w.u64(static_cast<std::uint64_t>(snap.maxStepCount));
    w.u32(static_cast<std::uint32_t>(snap.selected));
    w.text(snap.modIdText);
    w.u64(snap.rows.size());
    for (const StepRow& row : snap.rows) {
        w.bytes(row.record.bytes());
        w.text(row.caption);
        w.text(row.description);
        w.u32(static_cast<std::uint32_t>(row.icon));
    }
    w.u32(fletcher(w.out()));
    return std::move(w.out());
}

std::optional<EditorSnapshot> decodeSnapshot(ByteView in)
{
    if (in.size() < sizeof kMagic + 4 || fletcher(in.first(in.size() - 4)) != getU32(in, in.size() - 4))
        return std::nullopt;
    Reader r(in.first(in.size() - 4));
    for (char c : kMagic)
        if (r.u8() != static_cast<std::uint8_t>(c))
            return std::nullopt;
    EditorSnapshot s;
    s.savedAtSeconds = static_cast<std::int64_t>(r.u64());
    s.image = r.bytes();
    const std::uint8_t layout = r.u8();
    if (layout > static_cast<std::uint8_t>(ModuleLayout::Legacy28))
        return std::nullopt;
    s.layout = static_cast<ModuleLayout>(layout);
    const std::uint32_t recordSize = r.u32();
    if (recordSize > 0xFFFF)
        return std::nullopt;
    s.recordSize = static_cast<std::uint16_t>(recordSize);
    s.maxStepCount = static_cast<std::int64_t>(r.u64());
    s.selected = static_cast<int>(r.u32());
    s.modIdText = r.text();
    const std::uint64_t count = r.u64();
    for (std::uint64_t i = 0; r.ok() && i < count; ++i) {
        StepRow row;
        row.record = StepRecord(r.bytes());
        row.caption = r.text();
        row.description = r.text();
        const auto icon = static_cast<std::int32_t>(r.u32());
        if (icon != -1 && (icon < 1 || icon > 3))
            return std::nullopt;
        row.icon = static_cast<StepIcon>(icon);
        if (row.record.size() != s.recordSize)
            return std::nullopt;
        s.rows.push_back(std::move(row));
    }
    if (!r.ok() || !r.atEnd() || !consistent(s))
        return std::nullopt;
    return s;
}

} // namespace pst
