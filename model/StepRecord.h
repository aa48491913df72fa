#pragma once
// One step of a self scan script: a fixed-size record of RecordSize bytes,
// little-endian fields at fixed offsets. Link values are 1-based step numbers;
// 0xFFFF means no next step.

#include "model/Bytes.h"
#include "model/ModuleLayout.h"

#include <array>
#include <cstdint>

namespace pst {

namespace field {
inline constexpr std::size_t TEST_ID = 0x00;
inline constexpr std::size_t TEST_ARG = 0x02;
inline constexpr std::size_t P1 = 0x04;
inline constexpr std::size_t POST_ACTION = 0x44;
inline constexpr std::size_t GOTO_ON_SUCCES = 0x48;
inline constexpr std::size_t GOTO_ON_ERR = 0x4A;
inline constexpr std::size_t GOTO_ON_ABRT = 0x4C;
inline constexpr std::size_t LOG_AREA = 0x4E;
// Bytes 0x00..0x43: test id, argument and the sixteen parameter words.
inline constexpr std::size_t TEST_FIELDS_END = 0x44;

// Offset of parameter word Pk, k = 1..16.
constexpr std::size_t param(int k) { return P1 + 4 * static_cast<std::size_t>(k - 1); }

inline constexpr std::array<std::size_t, 3> kLinks = {GOTO_ON_SUCCES, GOTO_ON_ERR, GOTO_ON_ABRT};
} // namespace field

inline constexpr std::uint16_t kNoStep = 0xFFFF;
inline constexpr std::uint16_t kNoResult = 0xFFFF;

// Where ERROR_CODE lies for a layout (0x68, or 0x54 in the legacy-28 layout).
inline std::size_t errorCodeOffset(ModuleLayout layout) { return layoutInfo(layout).errorCodeOffset; }

// The smallest record size a layout can hold: ERROR_CODE must lie inside it.
inline std::uint16_t minimumRecordSize(ModuleLayout layout)
{
    return static_cast<std::uint16_t>(errorCodeOffset(layout) + 2);
}

// The record of one step. Field access outside the record reads 0 and writes
// nothing; the parse refuses record sizes that would put ERROR_CODE outside.
class StepRecord {
public:
    StepRecord() = default;
    explicit StepRecord(std::size_t size) : m_bytes(size, 0) {}
    explicit StepRecord(Bytes bytes) : m_bytes(std::move(bytes)) {}

    std::size_t size() const { return m_bytes.size(); }
    bool empty() const { return m_bytes.empty(); }
    ByteView bytes() const { return m_bytes; }
    MutableByteView mutableBytes() { return m_bytes; }
    const Bytes& data() const { return m_bytes; }

    std::uint16_t u16(std::size_t off) const { return getU16(m_bytes, off); }
    std::uint32_t u32(std::size_t off) const { return getU32(m_bytes, off); }
    void setU16(std::size_t off, std::uint16_t v) { putU16(m_bytes, off, v); }
    void setU32(std::size_t off, std::uint32_t v) { putU32(m_bytes, off, v); }

    std::uint16_t testId() const { return u16(field::TEST_ID); }
    void setTestId(std::uint16_t v) { setU16(field::TEST_ID, v); }
    std::uint16_t testArg() const { return u16(field::TEST_ARG); }
    void setTestArg(std::uint16_t v) { setU16(field::TEST_ARG, v); }
    std::uint32_t param(int k) const { return u32(field::param(k)); }
    void setParam(int k, std::uint32_t v) { setU32(field::param(k), v); }
    std::uint32_t postAction() const { return u32(field::POST_ACTION); }
    void setPostAction(std::uint32_t v) { setU32(field::POST_ACTION, v); }
    std::uint16_t link(int i) const { return u16(field::kLinks[static_cast<std::size_t>(i)]); }
    void setLink(int i, std::uint16_t v) { setU16(field::kLinks[static_cast<std::size_t>(i)], v); }
    void setLinks(std::uint16_t v)
    {
        for (int i = 0; i < 3; ++i)
            setLink(i, v);
    }
    std::uint16_t errorCode(ModuleLayout layout) const { return u16(errorCodeOffset(layout)); }
    void setErrorCode(ModuleLayout layout, std::uint16_t v) { setU16(errorCodeOffset(layout), v); }

    // Sets bytes [from, to) to zero, clamped to the record.
    void zero(std::size_t from, std::size_t to);
    void zeroAll() { zero(0, m_bytes.size()); }
    // Overwrites from `offset` on; bytes past the end are dropped.
    void overwrite(std::size_t offset, ByteView bytes);

    // Releases the buffer (the row keeps existing without a record).
    void release()
    {
        Bytes().swap(m_bytes);
    }

    friend bool operator==(const StepRecord&, const StepRecord&) = default;

private:
    Bytes m_bytes;
};

// Result icon of a step: the index into the step list's icon list.
enum class StepIcon : int { None = -1, Passed = 1, Failed = 2, NoResult = 3 };

// Icon for a logged ERROR_CODE: 0 passed, 0xFFFF no result, else failed.
inline StepIcon iconForErrorCode(std::uint16_t code)
{
    if (code == 0)
        return StepIcon::Passed;
    if (code == kNoResult)
        return StepIcon::NoResult;
    return StepIcon::Failed;
}

} // namespace pst
