#include "convert/StepFieldInfo.h"

#include "catalogs/Catalogs.h"
#include "convert/TrexExport.h"
#include "model/LinkTarget.h"
#include "model/Messages.h"
#include "model/StepFields.h"

namespace pst {

namespace {
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

// The value and what it means; the log area has no one value.
StepFieldInfo decode(const StepField& f, const StepRecord& record, const StepList& steps, Catalogs& catalogs)
{
    StepFieldInfo info{std::string(f.name), f.offset, f.width, std::nullopt, {}, false};
    if (f.kind == StepFieldKind::LogArea) {
        info.meaning = msg::logArea(f.offset, f.width);
        return info;
    }
    const std::uint32_t v = f.width == 2 ? record.u16(f.offset) : record.u32(f.offset);
    info.value = v;
    switch (f.kind) {
    case StepFieldKind::TestId: info.meaning = testIdMeaning(static_cast<std::uint16_t>(v), catalogs); break;
    case StepFieldKind::PostAction: info.meaning = postActionMeaning(v); break;
    case StepFieldKind::Link:
        info.meaning = linkTargetText(static_cast<std::uint16_t>(v), steps);
        info.warning = pointsOutsideScript(static_cast<std::uint16_t>(v), steps);
        break;
    case StepFieldKind::ErrorCode: info.meaning = catalogs.LookupErrorText(static_cast<std::uint16_t>(v)); break;
    default: break;
    }
    return info;
}
} // namespace

std::vector<StepFieldInfo> describeStepFields(const StepRecord& record, ModuleLayout layout, const StepList& steps,
                                              Catalogs& catalogs)
{
    std::vector<StepFieldInfo> out;
    for (const StepField& f : stepFields(errorCodeOffset(layout), record.size()))
        out.push_back(decode(f, record, steps, catalogs));
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
