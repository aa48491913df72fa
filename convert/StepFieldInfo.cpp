#include "convert/StepFieldInfo.h"

#include "catalogs/Catalogs.h"
#include "convert/TrexExport.h"
#include "model/LinkTarget.h"
#include "model/Messages.h"

#include <array>

namespace pst {

namespace {
constexpr std::array<std::string_view, 3> kLinkNames = {"GOTO_ON_SUCCES", "GOTO_ON_ERR", "GOTO_ON_ABRT"};

std::uint32_t valueAt(const StepRecord& record, std::size_t offset, std::size_t width)
{
    return width == 2 ? record.u16(offset) : record.u32(offset);
}

// A field of one value; nothing when it does not lie wholly inside the record.
void addValue(std::vector<StepFieldInfo>& out, const StepRecord& record, std::string name, std::size_t offset,
              std::size_t width, std::string meaning = {})
{
    if (!fits(record.bytes(), offset, width))
        return;
    out.push_back({std::move(name), offset, width, valueAt(record, offset, width), std::move(meaning), false});
}

std::string testIdMeaning(std::uint16_t testId, Catalogs& catalogs)
{
    if (testId == 0)
        return std::string(msg::kTestIdEndsScript);
    std::string description = catalogs.StepDescription(testId);
    return description.empty() ? std::string(msg::kTestIdNotInCatalog) : description;
}

std::string postActionMeaning(std::uint32_t postAction)
{
    const std::string line = trexPostActionLine(postAction);
    const std::size_t start = line.find_first_not_of(' ');
    return start == std::string::npos ? std::string(msg::kPostActionNoLine) : msg::postActionLine(line.substr(start));
}
} // namespace

std::vector<StepFieldInfo> describeStepFields(const StepRecord& record, ModuleLayout layout, const StepList& steps,
                                              Catalogs& catalogs)
{
    std::vector<StepFieldInfo> out;
    addValue(out, record, "TEST_ID", field::TEST_ID, 2, testIdMeaning(record.testId(), catalogs));
    addValue(out, record, "TEST_ARG", field::TEST_ARG, 2);
    for (int k = 1; k <= 16; ++k)
        addValue(out, record, "P" + std::to_string(k), field::param(k), 4);
    addValue(out, record, "POST_ACTION", field::POST_ACTION, 4, postActionMeaning(record.postAction()));
    for (std::size_t l = 0; l < kLinkNames.size(); ++l) {
        const std::uint16_t link = record.u16(field::kLinks[l]);
        addValue(out, record, std::string(kLinkNames[l]), field::kLinks[l], 2, linkTargetText(link, steps));
        if (!out.empty() && out.back().offset == field::kLinks[l])
            out.back().warning = pointsOutsideScript(link, steps);
    }
    if (record.size() > field::LOG_AREA) {
        const std::size_t size = record.size() - field::LOG_AREA;
        out.push_back({std::string(kLogAreaName), field::LOG_AREA, size, std::nullopt,
                       msg::logArea(field::LOG_AREA, size), false});
    }
    const std::size_t errorOffset = errorCodeOffset(layout);
    addValue(out, record, "ERROR_CODE", errorOffset, 2, catalogs.LookupErrorText(record.u16(errorOffset)));
    return out;
}

std::optional<std::size_t> fieldIndexAt(const std::vector<StepFieldInfo>& fields, std::size_t byte)
{
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].contains(byte) && (!best || fields[i].width < fields[*best].width))
            best = i;
    return best;
}

} // namespace pst
