// pstool's requested output that cannot be written (a full disk, a closed
// pipe) is an error, never a silent success.

#include "cli/Pstool.h"
#include "support/MemoryFileSystem.h"
#include "support/ModuleBuilder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pst;
using namespace pst::cli;

namespace {

// A stream whose every write fails, as standard output on a full disk.
class FullBuffer : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

} // namespace

TEST(PstoolOutput, UnwritableOutputIsAnError)
{
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {"help", {"--help"}, 1, "pstool: error: Unable to write to standard output\n"},
        {"version", {"--version"}, 1, "pstool: error: Unable to write to standard output\n"},
        {"print ends the run", {"--print", "--family", ""}, 1, "pstool: error: Unable to write to standard output\n"},
        {"keep going reports each lost print",
         {"--keep-going", "--print", "--print"},
         1,
         "pstool: error: Unable to write to standard output\npstool: error: Unable to write to standard output\n"},
        {"nothing printed, nothing lost", {"--family", "Lab"}, 0, ""},
    };
    for (const auto& c : cases) {
        test::MemoryFileSystem fs;
        FullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(pstoolMain(c.args, out, err, fs, "/cat"), c.status) << c.name;
        EXPECT_EQ(err.str(), c.err) << c.name;
    }
}

TEST(PstoolOutput, WrittenOutputKeepsStatusZero)
{
    test::MemoryFileSystem fs;
    fs.put("/m.rpm", test::ModuleBuilder().step(0x10).build());
    std::ostringstream out, err;
    EXPECT_EQ(pstoolMain({"--load", "/m.rpm", "--print", "--check"}, out, err, fs, "/cat"), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str().front(), '{');
}
