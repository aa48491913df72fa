// Commands that report the editor state on standard output.

#include "cli/CommandGroups.h"
#include "cli/StateJson.h"
#include "model/ScriptCheck.h"

namespace pst::cli {

namespace {

void print(Session& s)
{
    // Texts are decoded to valid UTF-8 already; replacing stays a safety net.
    s.out() << stateJson(s.editor()).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void check(Session& s)
{
    s.run([&s] {
        Editor& editor = s.editor();
        for (const std::string& finding : checksumFindings(editor.image(), editor.layout()))
            s.reportFinding(finding);
        for (const std::string& finding : linkFindings(editor.steps()))
            s.reportFinding(finding);
    });
}

constexpr CommandSpec kCommands[] = {
    {"--print", "", "write the editor state as one line of JSON", plain<print>},
    {"--check", "", "report a bad checksum and links past the last step", plain<check>},
};

} // namespace

std::span<const CommandSpec> printCommands() { return kCommands; }

} // namespace pst::cli
