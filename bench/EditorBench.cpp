// The editor's own work at scale: the selection refresh against large
// catalogs, an insert at the top of 100,000 steps and its undo, the E6
// generator, the two exports to a file, and the memory a loaded module and
// a step of the history take.

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
#include <memory>
#include <optional>
#include <unistd.h>

using namespace pst;

namespace {

constexpr int kSteps = 100000;

// A folder of real catalog files beside the benchmark, removed when done;
// each folder has a name of its own.
class CatalogFolder {
public:
    explicit CatalogFolder(int entries)
        : m_path(std::filesystem::temp_directory_path()
                 / ("pst_bench_" + std::to_string(::getpid()) + "_" + std::to_string(++s_folders)))
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
    static inline int s_folders = 0;
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

// Insert as the user gives it: one command, recorded in the script history.
void BM_InsertTop100k(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    LoadedEditor loaded(bench::roylScript(kSteps), fsys, "/cat");
    Editor& editor = loaded.editor;
    for (auto _ : state) {
        editor.run([&] { editor.selectRow(StepList::kNone); });
        editor.run([&] { editor.miInsertClick(); }, "Insert");
        state.PauseTiming();
        editor.run([&] { editor.miUndoClick(); });
        state.ResumeTiming();
    }
}

// Undo of that insert: the row taken out, the renumbering taken back.
void BM_UndoInsertTop100k(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    LoadedEditor loaded(bench::roylScript(kSteps), fsys, "/cat");
    Editor& editor = loaded.editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.run([&] { editor.selectRow(StepList::kNone); });
        editor.run([&] { editor.miInsertClick(); }, "Insert");
        state.ResumeTiming();
        editor.run([&] { editor.miUndoClick(); });
    }
}

// What one step of the history holds: an insert at the top of 100,000 steps
// (as recorded, and once undone, when it holds the row itself).
void BM_UndoEntryMemory100k(benchmark::State& state)
{
    test::MemoryFileSystem fsys;
    LoadedEditor loaded(bench::roylScript(kSteps), fsys, "/cat");
    Editor& editor = loaded.editor;
    std::size_t recorded = 0;
    std::size_t undone = 0;
    for (auto _ : state) {
        editor.run([&] { editor.selectRow(StepList::kNone); });
        editor.run([&] { editor.miInsertClick(); }, "Insert");
        recorded = editor.history().memory();
        editor.run([&] { editor.miUndoClick(); });
        undone = editor.history().memory();
    }
    state.counters["entry_bytes"] = static_cast<double>(recorded);
    state.counters["undone_entry_bytes"] = static_cast<double>(undone);
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

// From the E6 file's read to the finished script; building the editor before
// and freeing the generated rows after each run are not the generator's work.
void e6Generate(benchmark::State& state, int tests)
{
    test::E6ModuleBuilder builder;
    for (int i = 0; i < tests; ++i)
        builder.test(test::e6Test(static_cast<std::uint16_t>(0x10 + i % 4000), 1, {1, 2, 3}));
    test::MemoryFileSystem fsys;
    fsys.put("/e6.rpm", builder.tail(64).build());
    fsys.put("/cat/ModDescr.ini", std::string_view(bench::modDescr(5000)));
    const Bytes script = bench::roylScript(1);
    std::optional<LoadedEditor> loaded;
    for (auto _ : state) {
        state.PauseTiming();
        loaded.reset();
        loaded.emplace(script, fsys, "/cat");
        loaded->editor.miClearAllClick();
        loaded->host.moduleFiles[0xE6] = "/e6.rpm";
        state.ResumeTiming();
        miCreateSelfscanScriptfromE6Click(loaded->editor);
        benchmark::DoNotOptimize(loaded->editor.steps().size());
    }
    loaded.reset();
    state.counters["tests"] = tests;
}

void BM_E6Generate1k(benchmark::State& state) { e6Generate(state, 1000); }
void BM_E6Generate10k(benchmark::State& state) { e6Generate(state, 10000); }

std::string scratchFile(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string("pst_bench_") + std::to_string(::getpid()) + name)).string();
}

// The exports and their baseline over the same loaded script, descriptions
// included; each reports its bytes per second, since the two texts differ in
// length.
const CatalogFolder& exportCatalogs()
{
    static const CatalogFolder folder(5000);
    return folder;
}

void exportBench(benchmark::State& state, void (*exporter)(Editor&), const char* name)
{
    LoadedEditor loaded(bench::roylScript(kSteps), realFileSystem(), exportCatalogs().path());
    const std::string target = scratchFile(name);
    for (auto _ : state) {
        loaded.host.saveAnswers.push_back(target);
        exporter(loaded.editor);
    }
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(target));
    state.SetBytesProcessed(bytes * static_cast<std::int64_t>(state.iterations()));
    state.counters["bytes"] = static_cast<double>(bytes);
    std::filesystem::remove(target);
}

void BM_TrexExport100k(benchmark::State& state) { exportBench(state, miExporttoTRXClick, ".trx"); }
void BM_IniExport100k(benchmark::State& state) { exportBench(state, miExporttoINIClick, ".ini"); }

// The least an export does: its bytes written with one buffered write.
void BM_BufferedWrite100kBaseline(benchmark::State& state)
{
    LoadedEditor loaded(bench::roylScript(kSteps), realFileSystem(), exportCatalogs().path());
    const std::string text = trexScript(loaded.editor.steps(), [] { return false; });
    const std::string target = scratchFile(".raw");
    for (auto _ : state) {
        std::FILE* f = std::fopen(target.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * static_cast<std::int64_t>(state.iterations()));
    state.counters["bytes"] = static_cast<double>(text.size());
    std::filesystem::remove(target);
}

// Bytes allocated, the large blocks that malloc maps on their own included.
std::size_t heapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Heap taken by a loaded module of 100,000 steps with its descriptions, per
// step: the image the editor keeps, the rows with their records, captions
// and descriptions. The catalog is read before counting (it is the
// catalog's, not the module's). The record alone is 136 bytes.
void BM_MemoryPerStep100k(benchmark::State& state)
{
    const Bytes& module = bench::roylScript(kSteps);
    double perStep = 0;
    for (auto _ : state) {
        test::ScriptedHost host;
        auto editor = std::make_unique<Editor>(host, realFileSystem(), exportCatalogs().path());
        benchmark::DoNotOptimize(editor->catalogs().modDescr().get());
        const std::size_t before = heapInUse();
        ModuleImage image(module);
        editor->run([&] { editor->ParseScript(std::move(image)); });
        const std::size_t after = heapInUse();
        perStep = static_cast<double>(after - before) / kSteps;
    }
    state.counters["bytes_per_step"] = perStep;
    state.counters["ratio_to_record"] = perStep / 136.0;
}

} // namespace

BENCHMARK(BM_SelectionRefresh5k)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionRefresh50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertTop100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoInsertTop100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoEntryMemory100k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ScanLinks100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_E6Generate1k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_E6Generate10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrexExport100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniExport100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BufferedWrite100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryPerStep100k)->Unit(benchmark::kMillisecond)->Iterations(1);
