#include "model/LinkTarget.h"

#include "model/Messages.h"

namespace pst {

bool pointsOutsideScript(std::uint16_t link, const StepList& steps)
{
    return link != 0 && link != kNoStep && link > steps.size();
}

bool hasLinkOutsideScript(const StepRecord& record, const StepList& steps)
{
    if (record.empty())
        return false;
    for (int l = 0; l < 3; ++l)
        if (pointsOutsideScript(record.link(l), steps))
            return true;
    return false;
}

int linkTargetRow(std::uint16_t link, const StepList& steps)
{
    if (link == 0 || link == kNoStep || pointsOutsideScript(link, steps))
        return StepList::kNone;
    return link - 1;
}

std::string linkTargetText(std::uint16_t link, const StepList& steps)
{
    if (link == kNoStep)
        return std::string(msg::kNoNextStep);
    if (link == 0)
        return std::string(msg::kLinkZero);
    if (pointsOutsideScript(link, steps))
        return msg::linkOutsideScript(link, steps.size());
    const StepRow& target = steps.row(link - 1);
    return msg::linkToStep(link, target.caption, target.description);
}

} // namespace pst
