#include "examples/SampleScript.h"

#include "examples/SampleModule.h"
#include "model/ClosingStep.h"
#include "model/StepRecord.h"

#include <algorithm>

namespace pst::examples {

namespace {

// Where the drive keeps a step's running time, inside the log area and clear
// of ERROR_CODE in every layout (0x68, or 0x54 in the legacy-28 layout).
constexpr std::size_t kLogSeconds = 0x50;

constexpr std::uint16_t kFailedReadScan = 0x0106;

// The delay step's fields, as the editor's own closing steps set them.
constexpr std::array<Param, 5> delay(std::uint32_t variant)
{
    return {{{1, kClosingP1}, {2, kClosingP2}, {3, kClosingP3}, {4, variant}}};
}

std::uint32_t ptmStartTime(ModuleLayout layout)
{
    // 12:34:56 and 02:03:04. In the legacy-28 layout the start time shares
    // its four bytes with the first record, which is written after it and
    // wins: the title then shows the first step's TEST_ID and TEST_ARG read
    // as seconds.
    return layout == ModuleLayout::Royl ? 45296 : 7384;
}

// Links as "Set Eror Step to END" makes them, so that saving with "Step"
// checked keeps them: on to the next step, on error to the error report
// (step n - 1), on abort to the last step; the last three link nowhere.
std::array<std::uint16_t, 3> endRuleLinks(std::size_t i, std::size_t n)
{
    if (i + 3 >= n)
        return {kNoStep, kNoStep, kNoStep};
    return {static_cast<std::uint16_t>(i + 2), static_cast<std::uint16_t>(n - 1), static_cast<std::uint16_t>(n)};
}

StepRecord makeRecord(const SampleStep& step, ModuleLayout layout, std::array<std::uint16_t, 3> links)
{
    StepRecord r(layoutInfo(layout).defaultRecordSize);
    r.setTestId(step.testId);
    r.setTestArg(step.testArg);
    for (const Param& p : step.params) {
        if (p.k != 0)
            r.setParam(p.k, p.value);
    }
    r.setPostAction(step.postAction);
    for (int l = 0; l < 3; ++l)
        r.setLink(l, links[static_cast<std::size_t>(l)]);
    if (step.result != kNotRun)
        r.setU32(kLogSeconds, step.seconds);
    r.setErrorCode(layout, step.result);
    return r;
}

} // namespace

const std::vector<SampleStep>& sampleScriptSteps()
{
    static const std::vector<SampleStep> steps = {
        {0xB1, 0, {{{15, 2}}}, 0, kPassed, 4},
        {0xB1, 0, {{{15, 1}}}, 0, kPassed, 9},
        {0x3307, 1, {{{1, 0xFFFF}, {2, 8}, {3, 0x3FF}, {5, 1}}}, 2, kPassed, 5412},
        {0xD8, 1, {{{1, 0x1000}, {2, 0x64}}}, 0, kPassed, 310},
        {0x1010, 1, {}, 2, kPassed, 12},
        {0x3421, 1, {{{1, 0x2001}, {14, 0x10}}}, 0, kPassed, 1864},
        {0x3300, 1, {{{2, 0xFFFFFFFF}}}, 2, kPassed, 7260},
        {0x8012, 1, {{{1, 600}}}, 0, kPassed, 602},
        {0xC4, 1, {{{1, 0x6F}, {2, 0x19}}}, 2, kPassed, 41},
        {0xC4, 1, {{{1, 0x21}, {2, 0x19}}}, 2, kPassed, 38},
        {0x2403, 1, {{{1, 0x6F}, {2, 0x19}, {3, 0x12}, {4, 0x03}, {5, 0x1C00FE}}}, 0, kPassed, 95},
        {0x3402, 1, {{{2, 0xFFFFFFFF}, {3, 2}}}, 2, kFailedReadScan, 3011},
        {0xBB, 1, {{{1, 0x10}}}, 0},
        {0xC3, 1, {{{1, 0x45}, {2, 0x19}}}, 2},
        {0xDC, 1, delay(2), 0},
        {0x3422, 1, {{{1, 7}, {2, 0x64}, {3, 2}}}, 0},
        {0x8103, 1, {{{1, 1}}}, 0},
        {0xD1, 1, {{{1, 0x20}}}, 0},
        {0x240A, 1, {{{1, 0x19}}}, 0},
        {0xDC, 1, delay(4), 0},
        {0xB9, 1, {{{1, 0x1291}, {8, 1}, {10, 1}, {13, 1}}}, 2, kPassed, 3},
        {0xDC, 1, delay(6), 0},
    };
    return steps;
}

Bytes sampleScriptModule(ModuleLayout layout)
{
    const LayoutInfo& info = layoutInfo(layout);
    const std::size_t recordSize = info.defaultRecordSize;
    Bytes b = moduleStart(layout, info.firstRecordOffset + kScriptCapacity * recordSize);

    putU16(b, info.headerOffset, kScriptCurrentStep);
    putU16(b, info.headerOffset + 2, static_cast<std::uint16_t>(recordSize));
    putU32(b, info.headerOffset + 4, ptmStartTime(layout));

    const std::vector<SampleStep>& steps = sampleScriptSteps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const StepRecord r = makeRecord(steps[i], layout, endRuleLinks(i, steps.size()));
        const ByteView bytes = r.bytes();
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(info.firstRecordOffset + i * recordSize));
    }
    return finishModule(std::move(b), kScriptModuleId);
}

} // namespace pst::examples
