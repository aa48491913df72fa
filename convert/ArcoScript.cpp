#include "convert/ArcoScript.h"

#include "convert/GeneratedStep.h"
#include "convert/SelfScanFromE6.h"
#include "convert/SourceModule.h"
#include "model/Editor.h"
#include "model/Hex.h"
#include "model/ModuleLayout.h"

#include <optional>

namespace pst {

namespace {

constexpr std::uint16_t kSeriesAQuestion = 0x2403;
constexpr std::uint16_t kModule47 = 0x47;
constexpr std::uint16_t kDriveTypeModule = 0x21;
constexpr std::size_t kRoylModule47Word = 46;
constexpr std::size_t kLegacyModule47Word = 20;

// --- block offsets -------------------------------------------------------------

constexpr std::size_t kLegacyBlockOffset = 24 + 117;
constexpr std::size_t kProbeOffset = 147; // an unlisted code: is there a block here?
constexpr std::size_t kFallbackBlockOffset = 177;

// ROYL layout: the block offset of each listed drive type code (decimal).
struct CodeOffset {
    std::uint16_t code;
    std::uint16_t offset;
};

constexpr CodeOffset kRoylBlockOffsets[] = {
    {120, 155}, {141, 155},
    {122, 147}, {125, 147}, {127, 147}, {129, 147}, {136, 147}, {137, 147}, {138, 147}, {140, 147}, {143, 147},
    {151, 148}, {154, 148}, {164, 148}, {168, 148},
    {144, 158}, {145, 158}, {147, 158}, {149, 158}, {150, 158}, {165, 158},
};

std::optional<std::size_t> roylOffsetForCode(std::uint16_t code)
{
    for (const CodeOffset& entry : kRoylBlockOffsets)
        if (entry.code == code)
            return entry.offset;
    return std::nullopt;
}

// --- series A --------------------------------------------------------------------

struct SeriesAStep {
    std::uint16_t testId;
    std::uint16_t testArg;
    std::uint8_t code; // P1
    std::uint32_t p2;
    bool word; // P3/P4 carry the module 47 word
    std::uint32_t p5;
    std::uint32_t postAction;
    bool errorsGoOn; // error and abort links to the next step, else none
};

constexpr SeriesAStep kSeriesA[] = {
    {0x2403, 1, 0x6F, 0x19, true, 0x1C00FE, 0, false},
    {0x2404, 1, 0x6A, 0x19, true, 0x1FFC00, 0, false},
    {0x2403, 1, 0x6F, 0x19, true, 0x1C00FE, 0, false},
    {0x2420, 0x90, 0x90, 0x80200000, false, 0, 0, false},
    {0x2407, 1, 0x46, 0x19, true, 0, 2, true},
    {0x2408, 1, 0x70, 0x19, true, 0, 0, true},
    {0x2409, 1, 0x4A, 0x19, true, 0, 2, true},
};

void addSeriesAStep(Editor& editor, const SeriesAStep& step, std::uint16_t word)
{
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return;
    StepRecord rec = editor.steps().row(row).record;
    rec.zero(0, field::TEST_FIELDS_END);
    rec.setTestId(step.testId);
    rec.setTestArg(step.testArg);
    rec.setParam(1, step.code);
    rec.setParam(2, step.p2);
    if (step.word) {
        rec.setParam(3, word & 0xFF);
        rec.setParam(4, word >> 8);
    }
    rec.setParam(5, step.p5);
    rec.setPostAction(step.postAction);
    rec.setLink(0, nextStep(row));
    const std::uint16_t onError = step.errorsGoOn ? nextStep(row) : kNoStep;
    rec.setLink(1, onError);
    rec.setLink(2, onError);
    writeStep(editor, row, rec, hex2(step.testId), arcoDescription(editor, step.code));
}

void buildSeriesA(Editor& editor)
{
    const std::uint16_t word = ReadModule47Word(editor);
    for (const SeriesAStep& step : kSeriesA)
        addSeriesAStep(editor, step, word);
    // A8: the template step as the insert makes it.
    editor.miInsertClick();
    editor.requestRefresh();
}

// --- series B --------------------------------------------------------------------

// A fixed row: the insert's 0xDC template with these fields overwritten.
struct DcFields {
    std::uint16_t testArg;
    std::uint32_t p1, p2, p3, p4;
};

constexpr DcFields kSeriesBSeparator{2, 1, 2, 0xCBFFFF, 1};
constexpr DcFields kSeriesBEnd{1, 1, 1, 0xA, 1};

struct SeriesBRow {
    std::uint16_t moduleId; // a module row
    std::uint16_t testId;
    const DcFields* fixed; // a fixed row instead
};

constexpr SeriesBRow kSeriesB[] = {
    {0x2020, 0xC4, nullptr},  {0x2050, 0xC4, nullptr}, {0x2020, 0xC4, nullptr}, {0, 0, &kSeriesBSeparator},
    {0x2030, 0xC3, nullptr},  {0, 0, &kSeriesBSeparator}, {0x2010, 0xC8, nullptr}, {0x20C0, 0x290B, nullptr},
    {0x2000, 0xC4, nullptr},  {0x2060, 0xC4, nullptr}, {0x2040, 0xC4, nullptr},  {0x2070, 0xC4, nullptr},
    {0x20B0, 0xC4, nullptr},  {0, 0, &kSeriesBEnd},
};

void addFixedDcStep(Editor& editor, const DcFields& fields)
{
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return;
    editor.steps().editRecords(row, row, [&fields](StepRecord& rec, int i) {
        rec.setTestArg(fields.testArg);
        rec.setParam(1, fields.p1);
        rec.setParam(2, fields.p2);
        rec.setParam(3, fields.p3);
        rec.setParam(4, fields.p4);
        rec.setLink(0, kNoStep);
        rec.setLink(1, kNoStep);
        rec.setLink(2, nextStep(i));
    });
}

// Opens a module for one read; the image is released on return, also when a
// read fails.
std::optional<ModuleImage> openModule(Editor& editor, std::uint16_t moduleId)
{
    ModuleImage image;
    if (!editor.OpenModuleFile(moduleId, image))
        return std::nullopt;
    return image;
}

} // namespace

std::size_t ArcoBlockOffset(ModuleImage& module, std::uint16_t driveTypeCode)
{
    if (!HasRoylMagic(module))
        return kLegacyBlockOffset;
    if (const auto offset = roylOffsetForCode(driveTypeCode))
        return *offset;
    return readU8At(module, kProbeOffset) != 0 ? kProbeOffset : kFallbackBlockOffset;
}

ArcoBlock ReadArcoBlock(Editor& editor, std::uint16_t moduleId, std::uint16_t driveTypeCode)
{
    ArcoBlock block{};
    auto module = openModule(editor, moduleId);
    if (!module)
        return block;
    seekInside(*module, ArcoBlockOffset(*module, driveTypeCode));
    module->read(block);
    return block;
}

bool AddArcoStep(Editor& editor, std::uint16_t moduleId, std::uint16_t testId, std::uint16_t driveTypeCode)
{
    const ArcoBlock block = ReadArcoBlock(editor, moduleId, driveTypeCode);
    if (block[0] == 0)
        return false;
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return false;
    StepRecord rec = editor.steps().row(row).record;
    rec.setTestId(testId);
    rec.setTestArg(1);
    rec.overwrite(field::P1, block);
    rec.setPostAction(2);
    rec.setLinks(nextStep(row));
    writeStep(editor, row, rec, hex2(testId), arcoDescription(editor, block[0]));
    return true;
}

void BuildArcoScriptFromModules(Editor& editor)
{
    const std::uint16_t code = ReadDriveTypeCode(editor);
    for (const SeriesBRow& row : kSeriesB) {
        if (row.fixed)
            addFixedDcStep(editor, *row.fixed);
        else
            AddArcoStep(editor, row.moduleId, row.testId, code);
    }
    editor.selectRow(0);
    editor.requestRefresh();
}

std::uint16_t ReadDriveTypeCode(Editor& editor)
{
    auto module = openModule(editor, kDriveTypeModule);
    if (!module)
        return 0;
    return readU16At(*module, ModuleDataOffset(*module));
}

std::uint16_t ReadModule47Word(Editor& editor)
{
    auto module = openModule(editor, kModule47);
    if (!module)
        return 0;
    return readU16At(*module, HasRoylMagic(*module) ? kRoylModule47Word : kLegacyModule47Word);
}

std::string arcoDescription(Editor& editor, std::uint8_t code)
{
    return hex2(code) + " - " + editor.catalogs().LookupArco(code);
}

void AddARCO1Click(Editor& editor)
{
    const int sel = editor.steps().selected();
    if (sel != StepList::kNone)
        editor.selectRow(sel - 1);
}

void miCreateARCOScriptClick(Editor& editor)
{
    if (!hasScriptModule(editor))
        return;
    AddARCO1Click(editor);
    if (ConfirmModuleFile(editor, kSeriesAQuestion))
        buildSeriesA(editor);
    else
        BuildArcoScriptFromModules(editor);
}

} // namespace pst
