// Parsing and writing 100,000 steps beside the least work any parse or write does.

#include "BenchData.h"

#include "catalogs/IniFile.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"
#include "model/ScriptWriter.h"

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
BENCHMARK(BM_CopyRecords100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeScript100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyRecords100kBaseline)->Unit(benchmark::kMillisecond);
