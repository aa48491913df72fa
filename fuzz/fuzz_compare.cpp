// Any two byte sequences as script modules, compared: every step of each
// stands on exactly one line, in order; a script compared with itself has no
// difference; taking any field or step from the other side stays inside the
// record. Input: a little-endian u16, the length of the first module, then
// both modules.

#include "FuzzSupport.h"

#include "catalogs/IniFile.h"
#include "compare/ScriptTake.h"
#include "model/Error.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"

using namespace pst;

namespace {

std::optional<ParsedScript> parse(const Bytes& bytes)
{
    try {
        return parseScriptImage(ModuleImage(bytes), IniFile());
    } catch (const Error&) {
        return std::nullopt;
    }
}

CompareInput input(const ParsedScript& p) { return {p.rows, p.layout, p.recordSize}; }

void checkLines(const ScriptComparison& c, std::size_t leftRows, std::size_t rightRows)
{
    int nextLeft = 0, nextRight = 0;
    for (const CompareLine& line : c.lines) {
        if (line.left >= 0)
            fuzz::check(line.left == nextLeft++, "left rows in order, each once");
        if (line.right >= 0)
            fuzz::check(line.right == nextRight++, "right rows in order, each once");
        fuzz::check(line.left >= 0 || line.right >= 0, "no empty line");
    }
    fuzz::check(nextLeft == static_cast<int>(leftRows) && nextRight == static_cast<int>(rightRows), "all rows");
    for (std::size_t l = 0; l < c.leftToRight.size(); ++l) {
        const int r = c.leftToRight[l];
        fuzz::check(r < 0 || c.rightToLeft[static_cast<std::size_t>(r)] == static_cast<int>(l), "counterparts");
    }
}

void checkTakes(const ScriptComparison& c, const CompareInput& left, const CompareInput& right)
{
    for (int n = 0; n < static_cast<int>(c.lines.size()); ++n) {
        const CompareLine& line = c.lines[static_cast<std::size_t>(n)];
        for (CompareSide into : {CompareSide::Left, CompareSide::Right}) {
            const CompareInput& side = into == CompareSide::Left ? left : right;
            const int row = into == CompareSide::Left ? ScriptComparison::pairRows(line).first
                                                      : ScriptComparison::pairRows(line).second;
            for (const FieldDifference& d : c.differencesOf(line)) {
                const auto edit = takeField(c, left, right, n, d, into);
                if (edit)
                    fuzz::check(edit->offset + edit->bytes.size()
                                    <= side.rows[static_cast<std::size_t>(row)].record.size(),
                                "a taken field fits its record");
            }
            if (const auto step = takeStep(c, left, right, n, into); step && step->action != StepEdit::Action::Remove)
                fuzz::check(step->record.size() == (side.recordSize ? side.recordSize : step->record.size()),
                            "a taken step has this side's record size");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t split = std::min<std::size_t>(size - 2, data[0] | (data[1] << 8));
    const auto left = parse(Bytes(data + 2, data + 2 + split));
    const auto right = parse(Bytes(data + 2 + split, data + size));
    if (!left || !right)
        return 0;
    for (bool logs : {false, true}) {
        const ScriptComparison c = compareScripts(input(*left), input(*right), {logs});
        checkLines(c, left->rows.size(), right->rows.size());
        checkTakes(c, input(*left), input(*right));
        fuzz::check(compareScripts(input(*left), input(*left), {logs}).identical(), "a script equals itself");
    }
    return 0;
}
