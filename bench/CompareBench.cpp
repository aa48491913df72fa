// Comparing two scripts of 100,000 steps that differ in 100 scattered places,
// beside BM_ParseScript100k (ScriptBench.cpp), the parse of one of them.

#include "BenchData.h"

#include "catalogs/IniFile.h"
#include "compare/ScriptComparison.h"
#include "model/ModuleImage.h"
#include "model/ModuleLayout.h"
#include "model/ScriptParser.h"
#include "model/StepLinks.h"

#include <benchmark/benchmark.h>

using namespace pst;

namespace {

constexpr int kSteps = 100000;

// The parsed script, with links that a 16-bit step number can hold: those
// of the steps past 65533 name no next step.
std::vector<StepRow> original()
{
    const ModuleImage image(bench::roylScript(kSteps));
    std::vector<StepRow> rows = parseScriptImage(image, IniFile()).rows;
    for (std::size_t i = kNoStep - 2; i < rows.size(); ++i)
        rows[i].record.setLinks(kNoStep);
    return rows;
}

// The script after 100 edits as the window makes them, spread over it:
// inserted steps, deleted steps and changed parameters, links renumbered.
StepList editedCopy(const std::vector<StepRow>& rows)
{
    StepList list;
    list.reset(rows);
    for (int k = 0; k < 100; ++k) {
        const int at = 500 + k * 997;
        switch (k % 3) {
        case 0: {
            StepRow row = list.row(at);
            row.record.setTestId(0xDC);
            row.record.setParam(1, 0xF);
            list.insert(at, std::move(row));
            renumberAfterInsert(list, at);
            break;
        }
        case 1:
            list.remove(at);
            renumberAfterDelete(list, at);
            break;
        default:
            list.editRecords(at, at, [k](StepRecord& rec, int) { rec.setParam(2, static_cast<std::uint32_t>(k)); });
            break;
        }
    }
    return list;
}

void BM_Compare100k(benchmark::State& state)
{
    const std::vector<StepRow> rows = original();
    const StepList edited = editedCopy(rows);
    const CompareInput left{rows, ModuleLayout::Royl, 136};
    const CompareInput right{edited.rows(), ModuleLayout::Royl, 136};
    std::size_t differing = 0;
    for (auto _ : state) {
        const ScriptComparison c = compareScripts(left, right);
        differing = c.differences.size();
        benchmark::DoNotOptimize(c.lines.data());
    }
    state.counters["field_differences"] = static_cast<double>(differing);
}

} // namespace

BENCHMARK(BM_Compare100k)->Unit(benchmark::kMillisecond);
