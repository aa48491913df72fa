// The exports' text building and the import's field reading over 100,000
// steps, without dialogs or files.

#include "BenchData.h"

#include "catalogs/IniFile.h"
#include "convert/IniExport.h"
#include "convert/IniImport.h"
#include "convert/TrexExport.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"

#include <benchmark/benchmark.h>

using namespace pst;

namespace {

constexpr int kSteps = 100000;

const StepList& script()
{
    static const StepList list = [] {
        StepList l;
        l.reset(parseScriptImage(ModuleImage(bench::roylScript(kSteps)),
                                 IniFile::parse(std::string_view(bench::modDescr(5000))))
                    .rows);
        return l;
    }();
    return list;
}

void BM_TrexScript100k(benchmark::State& state)
{
    const StepList& steps = script();
    bool ctrl = false;
    for (auto _ : state) {
        std::string text = trexScript(steps, [&] { return ctrl = !ctrl; });
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_IniExchangeText100k(benchmark::State& state)
{
    const StepList& steps = script();
    for (auto _ : state) {
        std::string text = iniExchangeText(steps);
        benchmark::DoNotOptimize(text.data());
    }
}

// What the import reads, without inserting rows: the whole file parsed, then
// the values of the keys within the 16384-byte name block (a few hundred)
// turned into record bytes.
void BM_IniImportRead100k(benchmark::State& state)
{
    const std::string text = iniExchangeText(script());
    for (auto _ : state) {
        const IniFile ini = IniFile::parse(std::string_view(text));
        StepRecord record(std::size_t{136});
        for (const std::string& key : ini.keys(kPstSequenceSection))
            applyIniValue(record, ini.value(kPstSequenceSection, key, ""));
        benchmark::DoNotOptimize(record.bytes().data());
    }
}

} // namespace

BENCHMARK(BM_TrexScript100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniExchangeText100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniImportRead100k)->Unit(benchmark::kMillisecond);
