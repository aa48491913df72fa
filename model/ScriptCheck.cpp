#include "model/ScriptCheck.h"

#include "model/Checksum.h"
#include "model/LinkTarget.h"
#include "model/ModuleImage.h"
#include "model/StepList.h"

#include <array>
#include <iterator>
#include <string_view>

namespace pst {

namespace {
constexpr std::array<std::string_view, 3> kLinkNames = {"GOTO_ON_SUCCES", "GOTO_ON_ERR", "GOTO_ON_ABRT"};
} // namespace

std::vector<std::string> checksumFindings(const ModuleImage& image, ModuleLayout layout)
{
    if (image.empty() || ChecksumValid(image))
        return {};
    return {"checksum: invalid for layout " + std::string(layoutName(layout))};
}

std::vector<std::string> rowLinkFindings(const StepList& steps, int row)
{
    std::vector<std::string> out;
    if (!steps.valid(row) || steps.row(row).record.empty())
        return out;
    const StepRecord& rec = steps.row(row).record;
    for (int l = 0; l < 3; ++l) {
        const std::uint16_t v = rec.link(l);
        if (!pointsOutsideScript(v, steps))
            continue;
        out.push_back("step " + std::to_string(row + 1) + ": " + std::string(kLinkNames[static_cast<std::size_t>(l)])
                      + " = " + std::to_string(v) + " points past the end (" + std::to_string(steps.size())
                      + " steps)");
    }
    return out;
}

std::vector<std::string> linkFindings(const StepList& steps)
{
    std::vector<std::string> out;
    for (int i = 0; i < steps.size(); ++i) {
        std::vector<std::string> row = rowLinkFindings(steps, i);
        out.insert(out.end(), std::make_move_iterator(row.begin()), std::make_move_iterator(row.end()));
    }
    return out;
}

} // namespace pst
