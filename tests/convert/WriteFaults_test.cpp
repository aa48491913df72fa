// Every file the editor writes, made to fail in each way a write fails on a
// service bench: a folder where the file should go, a folder that is gone, a
// disk that fills up in the middle of the write, and a file system that
// refuses. The earlier file keeps its bytes, nothing is left beside it, the
// user reads the message meant for that file, and the script on screen is
// exactly as it was.

#include "catalogs/CustomTests.h"
#include "convert/IniExport.h"
#include "convert/TrexExport.h"
#include "model/Editor.h"
#include "model/EditorSnapshot.h"
#include "model/FileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/ModuleBuilder.h"
#include "support/ProgramRun.h"
#include "support/ScriptedHost.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace pst;
using namespace pst::test;
namespace stdfs = std::filesystem;

namespace {

enum class Fault { FolderInPlace, MissingFolder, DiskFull, Refused };

struct WriterCase {
    const char* name;
    const char* fileName;
    bool chosenInDialog; // SCRIPTS.INI lies beside the program instead
    std::function<void(Editor&)> command;
    // The message for a failure at `path` for `reason`.
    std::function<std::string(const std::string& path, const std::string& reason)> message;
};

std::string cannotCreate(const std::string& path, const std::string& reason)
{
    return "Cannot create file \"" + path + "\". " + reason;
}

const WriterCase kWriters[] = {
    {"Save", "script.rpm", true, [](Editor& e) { e.btWriteClick(); }, cannotCreate},
    {"TrexExport", "PST.trx", true, [](Editor& e) { miExporttoTRXClick(e); }, cannotCreate},
    {"IniExport", "PST.ini", true, [](Editor& e) { miExporttoINIClick(e); }, cannotCreate},
    {"CustomTest", "SCRIPTS.INI", false, [](Editor& e) { e.btWriteToIniClick(); },
     [](const std::string& path, const std::string&) { return "Unable to write to " + path; }},
};

struct FaultCase {
    Fault fault;
    const char* name;
    std::string (*reason)();
};

const FaultCase kFaults[] = {
    {Fault::FolderInPlace, "FolderInPlace", [] { return std::string("Is a directory"); }},
    {Fault::MissingFolder, "MissingFolder", noSuchFolderReason},
    {Fault::DiskFull, "DiskFull", [] { return std::string("File too large"); }},
    {Fault::Refused, "Refused", [] { return std::string("No space left on device"); }},
};

void PrintTo(const WriterCase& w, std::ostream* os) { *os << w.name; }
void PrintTo(const FaultCase& f, std::ostream* os) { *os << f.name; }

const std::string kEarlier = "[Old]\r\nkept=\r\n";

#ifndef _WIN32
// Lets no file of this process grow past a few bytes while it lives: a disk
// that fills up after the first write() without needing a tiny file system.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};
#endif

class WriteFaults : public ::testing::TestWithParam<std::tuple<WriterCase, FaultCase>> {
protected:
    void SetUp() override
    {
        stdfs::create_directories(m_dir / "in");
        stdfs::create_directories(m_dir / "out");
    }

    static std::string slurp(const stdfs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void spit(const stdfs::path& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::vector<std::string> entries(const stdfs::path& folder) const
    {
        std::vector<std::string> names;
        if (stdfs::is_directory(folder))
            for (const auto& e : stdfs::directory_iterator(folder))
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder m_folder;
    stdfs::path m_dir{m_folder.path()};
};

// A loaded and edited script: an inserted step whose links the END rule
// would change, the second row selected, the custom test boxes filled.
void prepare(Editor& editor, ScriptedHost& host, FileSystem& fs, const std::string& modulePath)
{
    fs.writeFileAtomic(modulePath, ModuleBuilder().step(0x10).step(0x11).step(0x12).step(0x13).capacity(8).build());
    host.openAnswers.push_back(modulePath);
    ASSERT_TRUE(editor.run([&] { editor.btReadClick(); }));
    editor.FormShow();
    editor.selectRow(0);
    ASSERT_TRUE(editor.run([&] { editor.miInsertClick(); }));
    ASSERT_TRUE(editor.modified());
    editor.setFamilyText("Work");
    editor.setCustomText("Spin up");
}

} // namespace

TEST_P(WriteFaults, KeepTheEarlierFileTheScriptAndSayWhy)
{
    // References, not a structured binding: the command lambda below captures
    // them, which clang 14 refuses for bindings.
    const WriterCase& writer = std::get<0>(GetParam());
    const FaultCase& fault = std::get<1>(GetParam());
#ifdef _WIN32
    if (fault.fault == Fault::DiskFull)
        GTEST_SKIP() << "Windows has no file size limit of a process to fill the disk with";
#endif
    const std::string reason = fault.reason();
    MemoryFileSystem memory;
    FileSystem& fs = fault.fault == Fault::Refused ? static_cast<FileSystem&>(memory) : realFileSystem();

    // Where the file goes, and what is there before.
    const stdfs::path folder = fault.fault == Fault::MissingFolder ? m_dir / "out" / "gone" : m_dir / "out";
    // Joined as the editor joins a catalog's name to its folder.
    const std::string target = folder.string() + "/" + writer.fileName;
    if (fault.fault == Fault::FolderInPlace)
        stdfs::create_directories(target);
    if (fault.fault == Fault::DiskFull)
        spit(target, kEarlier);
    if (fault.fault == Fault::Refused) {
        memory.put(target, std::string_view(kEarlier));
        memory.failWrites(target, reason);
    }
    const std::vector<std::string> before = entries(m_dir / "out");

    ScriptedHost host;
    Editor editor(host, fs, folder.string());
    prepare(editor, host, fs, (m_dir / "in" / "script.rpm").string());
    const EditorSnapshot state = editor.snapshot();
    const std::vector<std::string> families = editor.familyList();
    const std::vector<std::string> customTests = editor.customList();
    const std::string title = editor.title();

    if (writer.chosenInDialog)
        host.saveAnswers.push_back(target);
    bool ok = true;
    {
#ifndef _WIN32
        std::unique_ptr<FileSizeLimit> full;
        if (fault.fault == Fault::DiskFull)
            full = std::make_unique<FileSizeLimit>(8);
#endif
        ok = editor.run([&] { writer.command(editor); });
    }

    EXPECT_FALSE(ok);
    EXPECT_EQ(host.errors, std::vector<std::string>{writer.message(target, reason)});
    EXPECT_TRUE(host.messages.empty());
    // The earlier file, or the folder in its place, as it was; no temporary beside it.
    EXPECT_EQ(entries(m_dir / "out"), before);
    switch (fault.fault) {
    case Fault::FolderInPlace: EXPECT_TRUE(stdfs::is_directory(target)); break;
    case Fault::MissingFolder: EXPECT_FALSE(stdfs::exists(folder)); break;
    case Fault::DiskFull: EXPECT_EQ(slurp(target), kEarlier); break;
    case Fault::Refused: EXPECT_EQ(memory.text(target), kEarlier); break;
    }
    // The script on screen as it was.
    EXPECT_TRUE(editor.snapshot() == state) << "rows, selection, image or sizes changed";
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.title(), title);
    EXPECT_EQ(editor.familyList(), families);
    EXPECT_EQ(editor.customList(), customTests);
}

INSTANTIATE_TEST_SUITE_P(, WriteFaults, ::testing::Combine(::testing::ValuesIn(kWriters), ::testing::ValuesIn(kFaults)),
                         [](const auto& testInfo) {
                             return std::string(std::get<0>(testInfo.param).name) + std::get<1>(testInfo.param).name;
                         });
