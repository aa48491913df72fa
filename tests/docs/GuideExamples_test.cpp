// Every marked shell session of the user guide, run against a copy of the
// sample set with the built pstool first on PATH: the guide must show what
// the program prints.

#include "support/ProgramRun.h"
#include "support/Transcript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

using namespace pst::test;
namespace fsys = std::filesystem;

namespace pst::test {
// Test names and failures show the example's name, not its bytes.
void PrintTo(const Transcript& t, std::ostream* os)
{
    *os << t.name << " (docs/guide.md:" << t.line << ")";
}
} // namespace pst::test

namespace {

std::string guideText()
{
    std::ifstream in(GUIDE_PATH, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Read at registration; a guide that cannot be read gives no examples, and
// GuideExamples.AreReadable says why.
std::vector<Transcript> guideExamples()
{
    try {
        return readTranscripts(guideText());
    } catch (const std::exception&) {
        return {};
    }
}

class GuideExample : public testing::TestWithParam<Transcript> {};

TEST_P(GuideExample, PrintsWhatTheGuideShows)
{
    const Transcript& t = GetParam();
    TempFolder folder;
    for (const auto& entry : fsys::directory_iterator(SAMPLES_DIR))
        fsys::copy(entry.path(), folder.file(entry.path().filename().string()), fsys::copy_options::recursive);
    const std::vector<CommandRun> runs = runTranscript(t, folder.path(), PSTOOL_DIR);
    for (const std::string& difference : compareTranscript(t, runs))
        ADD_FAILURE() << "docs/guide.md:" << t.line << " (" << t.name << ")\n" << difference;
}

std::string testName(const testing::TestParamInfo<Transcript>& info)
{
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Guide, GuideExample, testing::ValuesIn(guideExamples()), testName);

TEST(GuideExamples, AreReadableAndCoverTheBatchJobs)
{
    std::vector<Transcript> examples;
    ASSERT_NO_THROW(examples = readTranscripts(guideText()));
    // The jobs a newcomer comes for; an example dropped from the guide must
    // be dropped here on purpose.
    for (const char* name : {"print", "check", "upgrade-folder", "trex-excerpt", "ini-export", "from-e6", "from-ptm",
                             "arco", "messages", "usage-error"}) {
        EXPECT_TRUE(std::any_of(examples.begin(), examples.end(), [&](const Transcript& t) { return t.name == name; }))
            << "no example named " << name;
    }
}

} // namespace
