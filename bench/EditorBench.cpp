// The editor's own work at scale: the selection refresh against large
// catalogs, an insert at the top of 100,000 steps, the E6 generator, the two
// exports to a file, and the memory a loaded module takes.

#include "BenchData.h"

#include "convert/IniExport.h"
#include "convert/SelfScanFromE6.h"
#include "convert/TrexExport.h"
#include "model/Editor.h"
#include "model/FileSystem.h"
#include "support/GeneratorModules.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedHost.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

using namespace pst;

namespace {

constexpr int kSteps = 100000;

// A folder of real catalog files beside the benchmark, removed at exit.
class CatalogFolder {
public:
    explicit CatalogFolder(int entries)
        : m_path(std::filesystem::temp_directory_path() / ("pst_bench_" + std::to_string(::getpid()) + "_" + std::to_string(entries)))
    {
        std::filesystem::create_directories(m_path);
        std::ofstream(m_path / "ModDescr.ini") << bench::modDescr(entries);
        std::ofstream errors(m_path / "Errors.ini");
        errors << "[ERRORS]\r\n";
        for (int i = 0; i < entries; ++i)
            errors << "0x" << std::hex << std::uppercase << (0x1000 + i) << "=Error text " << i << "\r\n";
    }
    ~CatalogFolder() { std::filesystem::remove_all(m_path); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

struct LoadedEditor {
    explicit LoadedEditor(const Bytes& module, FileSystem& fsys, const std::string& catalogs)
        : editor(host, fsys, catalogs)
    {
        ModuleImage image(module);
        editor.run([&] { editor.ParseScript(std::move(image)); });
    }
    test::ScriptedHost host;
    Editor editor;
};

void selectionRefresh(benchmark::State& state, int entries)
{
    CatalogFolder catalogs(entries);
    LoadedEditor loaded(bench::roylScript(1000), realFileSystem(), catalogs.path());
    Editor& editor = loaded.editor;
    int row = 0;
    for (auto _ : state) {
        editor.selectRow(row);
        editor.lvScriptChange();
        row = (row + 1) % 1000;
    }
}

void BM_SelectionRefresh5k(benchmark::State& state) { selectionRefresh(state, 5000); }
void BM_SelectionRefresh50(benchmark::State& state) { selectionRefresh(state, 50); }

void BM_InsertTop100k(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    LoadedEditor loaded(bench::roylScript(kSteps), fsys, "/cat");
    Editor& editor = loaded.editor;
    for (auto _ : state) {
        editor.selectRow(StepList::kNone);
        editor.miInsertClick();
        state.PauseTiming();
        editor.miDeleteClick();
        state.ResumeTiming();
    }
}

void BM_ScanLinks100kBaseline(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    LoadedEditor loaded(bench::roylScript(kSteps), fsys, "/cat");
    const StepList& steps = loaded.editor.steps();
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (const StepRow& row : steps.rows())
            sum += row.record.link(0) + row.record.link(1) + row.record.link(2);
        benchmark::DoNotOptimize(sum);
    }
}

void e6Generate(benchmark::State& state, int tests)
{
    test::E6ModuleBuilder builder;
    for (int i = 0; i < tests; ++i)
        builder.test(test::e6Test(static_cast<std::uint16_t>(0x10 + i % 4000), 1, {1, 2, 3}));
    test::MemoryFileSystem fsys;
    fsys.put("/e6.rpm", builder.tail(64).build());
    const Bytes script = bench::roylScript(1);
    for (auto _ : state) {
        state.PauseTiming();
        LoadedEditor loaded(script, fsys, "/cat");
        loaded.editor.miClearAllClick();
        loaded.host.moduleFiles[0xE6] = "/e6.rpm";
        state.ResumeTiming();
        miCreateSelfscanScriptfromE6Click(loaded.editor);
        benchmark::DoNotOptimize(loaded.editor.steps().size());
    }
    state.counters["tests"] = tests;
}

void BM_E6Generate1k(benchmark::State& state) { e6Generate(state, 1000); }
void BM_E6Generate10k(benchmark::State& state) { e6Generate(state, 10000); }

std::string scratchFile(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string("pst_bench_") + std::to_string(::getpid()) + name)).string();
}

void exportBench(benchmark::State& state, void (*exporter)(Editor&), const char* name)
{
    LoadedEditor loaded(bench::roylScript(kSteps), realFileSystem(), "/cat");
    const std::string target = scratchFile(name);
    for (auto _ : state) {
        loaded.host.saveAnswers.push_back(target);
        exporter(loaded.editor);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
    std::filesystem::remove(target);
}

void BM_TrexExport100k(benchmark::State& state) { exportBench(state, miExporttoTRXClick, ".trx"); }
void BM_IniExport100k(benchmark::State& state) { exportBench(state, miExporttoINIClick, ".ini"); }

// The least an export does: its bytes written with one buffered write.
void BM_BufferedWrite100kBaseline(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    LoadedEditor loaded(bench::roylScript(kSteps), fsys, "/cat");
    const std::string text = trexScript(loaded.editor.steps(), [] { return false; });
    const std::string target = scratchFile(".raw");
    for (auto _ : state) {
        std::FILE* f = std::fopen(target.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    std::filesystem::remove(target);
}

// Heap taken by a loaded module of 100,000 steps, per step (the record alone is 136 bytes).
void BM_MemoryPerStep100k(benchmark::State& state)
{
    const Bytes& module = bench::roylScript(kSteps);
    test::MemoryFileSystem fsys;
    double perStep = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        {
            auto loaded = std::make_unique<LoadedEditor>(module, fsys, "/cat");
            const std::size_t after = mallinfo2().uordblks;
            // The image itself counts: the editor keeps it as loaded.
            perStep = static_cast<double>(after - before) / kSteps;
        }
    }
    state.counters["bytes_per_step"] = perStep;
    state.counters["ratio_to_record"] = perStep / 136.0;
}

} // namespace

BENCHMARK(BM_SelectionRefresh5k)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionRefresh50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertTop100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanLinks100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_E6Generate1k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_E6Generate10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrexExport100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniExport100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BufferedWrite100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryPerStep100k)->Unit(benchmark::kMillisecond)->Iterations(1);
