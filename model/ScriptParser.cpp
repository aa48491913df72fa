#include "model/ScriptParser.h"

#include "catalogs/Catalogs.h"
#include "model/Error.h"
#include "model/Hex.h"
#include "model/Messages.h"
#include "model/ModuleImage.h"

#include <algorithm>
#include <utility>

namespace pst {

namespace {

ScriptHeader readHeader(const ModuleImage& image, std::size_t at)
{
    if (!fits(image.bytes(), at, kScriptHeaderSize))
        throw Error(std::string(msg::kStreamReadError));
    ScriptHeader h;
    h.currentStep = getU16(image.bytes(), at);
    h.recordSize = getU16(image.bytes(), at + 2);
    h.ptmStartTime = getU32(image.bytes(), at + 4);
    return h;
}

// Scripts repeat their test ids: look each one up once per parse, and let
// the rows of one id share its caption and description.
class TextsById {
public:
    explicit TextsById(const IniFile& modDescr) : m_modDescr(modDescr) {}

    const std::pair<SharedText, SharedText>& captionAndDescription(std::uint16_t testId)
    {
        std::int32_t& slot = m_slot[testId];
        if (slot < 0) {
            slot = static_cast<std::int32_t>(m_texts.size());
            m_texts.emplace_back(hex2(testId), StepDescription(m_modDescr, testId));
        }
        return m_texts[static_cast<std::size_t>(slot)];
    }

private:
    const IniFile& m_modDescr;
    std::vector<std::int32_t> m_slot = std::vector<std::int32_t>(0x10000, -1);
    std::vector<std::pair<SharedText, SharedText>> m_texts;
};

} // namespace

ParsedScript parseScriptImage(const ModuleImage& image, const IniFile& modDescr)
{
    ParsedScript out;
    out.layout = RecogniseLayout(image);
    const LayoutInfo& info = layoutInfo(out.layout);
    out.header = readHeader(image, info.headerOffset);
    out.recordSize = out.header.recordSize != 0 ? out.header.recordSize : info.defaultRecordSize;
    if (out.recordSize < minimumRecordSize(out.layout))
        throw Error(msg::unsupportedRecordSize(out.recordSize));

    const auto size = static_cast<std::int64_t>(image.size());
    out.maxStepCount = (size - static_cast<std::int64_t>(info.firstRecordOffset)) / out.recordSize;

    const ByteView bytes = image.bytes();
    const std::size_t recordSize = out.recordSize;
    const std::size_t errorAt = errorCodeOffset(out.layout);
    if (out.maxStepCount > 0)
        out.rows.reserve(static_cast<std::size_t>(std::min<std::int64_t>(out.maxStepCount, 1 << 20)));
    TextsById texts(modDescr);
    for (std::size_t at = info.firstRecordOffset; fits(bytes, at, recordSize); at += recordSize) {
        const std::uint16_t testId = getU16(bytes, at);
        if (testId == 0)
            break;
        StepRow row;
        row.record = StepRecord(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                      bytes.begin() + static_cast<std::ptrdiff_t>(at + recordSize)));
        const auto& [caption, description] = texts.captionAndDescription(testId);
        row.caption = caption;
        row.description = description;
        row.icon = iconForErrorCode(row.record.u16(errorAt));
        out.rows.push_back(std::move(row));
    }

    const int count = static_cast<int>(out.rows.size());
    const int current = out.header.currentStep;
    out.currentRow = (current == 0 || current > count) ? 0 : current - 1;
    return out;
}

} // namespace pst
