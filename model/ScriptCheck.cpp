#include "model/ScriptCheck.h"

#include "model/Checksum.h"
#include "model/ModuleImage.h"
#include "model/StepList.h"

#include <array>
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

std::vector<std::string> linkFindings(const StepList& steps)
{
    std::vector<std::string> out;
    const int n = steps.size();
    for (int i = 0; i < n; ++i) {
        const StepRecord& rec = steps.row(i).record;
        if (rec.empty())
            continue;
        for (int l = 0; l < 3; ++l) {
            const int v = rec.link(l);
            if (v == 0 || v == kNoStep || v <= n)
                continue;
            out.push_back("step " + std::to_string(i + 1) + ": " + std::string(kLinkNames[static_cast<std::size_t>(l)])
                          + " = " + std::to_string(v) + " points past the end (" + std::to_string(n) + " steps)");
        }
    }
    return out;
}

} // namespace pst
