// Parsing and writing 100,000 steps beside the least work any parse or write
// does; the upgrade of 100,000 steps beside the parse.

#include "BenchData.h"

#include "catalogs/IniFile.h"
#include "convert/ScriptUpgrade.h"
#include "model/Editor.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"
#include "model/ScriptWriter.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedHost.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

using namespace pst;

namespace {

constexpr int kSteps = 100000;

void BM_ParseScript100k(benchmark::State& state)
{
    const ModuleImage image(bench::roylScript(kSteps));
    const IniFile catalog = IniFile::parse(std::string_view(bench::modDescr(5000)));
    for (auto _ : state) {
        ParsedScript p = parseScriptImage(image, catalog);
        benchmark::DoNotOptimize(p.rows.data());
    }
}

// A script to upgrade: of every ten steps one an old id (ROYL), one 0x00DC
// and one 0xEEEE step to remove; no 0x00D8 step (the one there became an old
// id) and no 0x3421 step, so both go in near the top.
// The module has room for the steps the upgrade adds, as it must to be
// saved afterwards.
Bytes upgradeScript()
{
    Bytes image = bench::roylScript(kSteps);
    image.resize(image.size() + 64 * 136);
    for (int i = 0; i < kSteps; ++i) {
        const std::size_t at = 56 + static_cast<std::size_t>(i) * 136;
        const int kind = i % 10;
        if (kind == 3 || kind == 5 || kind == 7)
            putU16(image, at, kind == 3 ? 0x00DC : kind == 5 ? 0x8199 : 0xEEEE);
    }
    return image;
}

// From a freshly loaded module to the upgraded script; the load before and
// freeing the editor after are not the upgrade's work.
void BM_Upgrade100k(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    fsys.put("/cat/ModDescr.ini", std::string_view(bench::modDescr(5000)));
    test::ScriptedHost host;
    const Bytes script = upgradeScript();
    int steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<Editor>(host, fsys, "/cat");
        editor->run([&] { editor->ParseScript(ModuleImage(script)); });
        state.ResumeTiming();
        editor->run([&] { miUpgradeScriptClick(*editor); });
        state.PauseTiming();
        steps = editor->steps().size();
        editor.reset();
        state.ResumeTiming();
    }
    state.counters["steps"] = steps;
}

void BM_CopyRecords100kBaseline(benchmark::State& state)
{
    const Bytes& image = bench::roylScript(kSteps);
    for (auto _ : state) {
        std::vector<std::unique_ptr<Byte[]>> rows;
        rows.reserve(kSteps);
        for (int i = 0; i < kSteps; ++i) {
            auto rec = std::make_unique<Byte[]>(136);
            std::memcpy(rec.get(), image.data() + 56 + static_cast<std::size_t>(i) * 136, 136);
            rows.push_back(std::move(rec));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}

void BM_SerializeScript100k(benchmark::State& state)
{
    ModuleImage image(bench::roylScript(kSteps));
    StepList list;
    list.reset(parseScriptImage(image, IniFile()).rows);
    list.select(0);
    for (auto _ : state) {
        SerializeScript(image, list, 136);
        benchmark::DoNotOptimize(image.bytes().data());
    }
}

void BM_MemcpyRecords100kBaseline(benchmark::State& state)
{
    const Bytes& source = bench::roylScript(kSteps);
    Bytes target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data() + 56, source.data() + 56, static_cast<std::size_t>(kSteps) * 136);
        benchmark::DoNotOptimize(target.data());
    }
}

} // namespace

BENCHMARK(BM_ParseScript100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Upgrade100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyRecords100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeScript100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyRecords100kBaseline)->Unit(benchmark::kMillisecond);
