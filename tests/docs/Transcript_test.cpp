// The reader and runner of the documentation's shell sessions: if they
// missed an example or took a failure for success, the guide's test would
// pass on a guide that no longer tells the truth.

#include "support/ProgramRun.h"
#include "support/Transcript.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pst::test;

namespace {

TEST(Transcript, ReadsMarkedBlocksOnly)
{
    const std::vector<Transcript> ts = readTranscripts("# Title\n"
                                                       "```console\n$ not an example\n```\n"
                                                       "<!-- example: first -->\n"
                                                       "```console\n"
                                                       "$ for f in *.rpm; do\n"
                                                       ">   echo \"$f\"\n"
                                                       "> done\n"
                                                       "a.rpm\n"
                                                       "> not a continuation once output began\n"
                                                       "$ echo $?\n"
                                                       "0\n"
                                                       "```\n"
                                                       "text\n"
                                                       "<!-- example: second -->\n"
                                                       "```sh\n$ true\n```\n");
    ASSERT_EQ(ts.size(), 2u);
    EXPECT_EQ(ts[0].name, "first");
    EXPECT_EQ(ts[0].line, 5);
    ASSERT_EQ(ts[0].commands.size(), 2u);
    EXPECT_EQ(ts[0].commands[0].command, "for f in *.rpm; do\n  echo \"$f\"\ndone");
    EXPECT_EQ(ts[0].commands[0].output,
              (std::vector<std::string>{"a.rpm", "> not a continuation once output began"}));
    EXPECT_EQ(ts[0].commands[1].command, "echo $?");
    EXPECT_EQ(ts[0].commands[1].output, std::vector<std::string>{"0"});
    EXPECT_EQ(ts[1].name, "second");
    ASSERT_EQ(ts[1].commands.size(), 1u);
    EXPECT_TRUE(ts[1].commands[0].output.empty());
}

TEST(Transcript, RefusesMalformedExamples)
{
    struct Case {
        const char* markdown;
        const char* error;
    };
    const Case cases[] = {
        {"<!-- example: a -->\ntext\n", "line 1: the marker is not followed by a fenced block"},
        {"<!-- example: a -->\n", "line 1: the marker is not followed by a fenced block"},
        {"<!-- example: a -->\n```\n$ true\n", "line 3: the example's block is not closed"},
        {"\n<!-- example: a -->\n```\noutput\n```\n", "line 4: output before the first command"},
        {"<!-- example: a -->\n```\n$ true\n```\n<!-- example: a -->\n```\n$ true\n```\n",
         "line 5: a second example named a"},
    };
    for (const Case& c : cases) {
        try {
            readTranscripts(c.markdown);
            ADD_FAILURE() << "accepted: " << c.markdown;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.error) << c.markdown;
        }
    }
}

TEST(Transcript, RunsCommandsInOneShellAndKeepsTheirStatus)
{
    TempFolder folder;
    folder.write("a.txt", "A\r\nB\n");
    const Transcript t{"t", 1,
                       {{"cat a.txt", {}},
                        {"false", {}},
                        {"echo $?", {}},
                        {"x=5; echo err >&2; printf 'no line break'", {}},
                        {"echo $x", {}},
                        {"for i in 1 2; do\n  echo $i\ndone", {}}}};
    const std::vector<CommandRun> runs = runTranscript(t, folder.path(), "/nonexistent");
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_EQ(runs[0].output, (std::vector<std::string>{"A", "B"})); // the carriage return dropped
    EXPECT_EQ(runs[1].status, 1);
    EXPECT_EQ(runs[2].output, std::vector<std::string>{"1"}); // $? survives the separators
    EXPECT_EQ(runs[3].output, (std::vector<std::string>{"err", "no line break"}));
    EXPECT_EQ(runs[4].output, std::vector<std::string>{"5"}); // one shell for the session
    EXPECT_EQ(runs[5].output, (std::vector<std::string>{"1", "2"}));
}

TEST(Transcript, ComparesOutputAndRequiresFailuresToBeShown)
{
    const Transcript t{"t", 1, {{"a", {"x"}}, {"b", {}}, {"echo $?", {"3"}}, {"c", {}}}};
    EXPECT_TRUE(compareTranscript(t, {{{"x"}, 0}, {{}, 3}, {{"3"}, 0}, {{}, 0}}).empty());

    const std::vector<std::string> d = compareTranscript(t, {{{"y"}, 0}, {{}, 3}, {{"3"}, 0}, {{}, 2}});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0], "$ a\n  shown:\n    | x\n  printed:\n    | y");
    EXPECT_EQ(d[1], "$ c\n  exits with 2, which the example does not show (follow it with echo $?)");

    const std::vector<std::string> stopped = compareTranscript(t, {{{"x"}, 0}, {{}, -1}, {{}, -1}, {{}, -1}});
    ASSERT_EQ(stopped.size(), 3u);
    EXPECT_EQ(stopped[0], "$ b\n  did not run to its end");
}

} // namespace
