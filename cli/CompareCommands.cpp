// Commands that compare the editor's script with the script of a module
// file and report the differences on standard output.

#include "cli/CommandGroups.h"
#include "cli/CompareReport.h"
#include "compare/ScriptToCompare.h"
#include "model/Error.h"
#include "model/Messages.h"

namespace pst::cli {

namespace {

enum class Form { Lines, Json };

void compareWith(Session& s, const std::string& file, Form form)
{
    s.runWithFile(file, [&s, &file, form] {
        const std::optional<ParsedScript> other = readScriptToCompare(s.editor());
        if (!other)
            throw Error(msg::compareFileEmpty(file));
        const CompareInput fileSide = compareInput(*other);
        const CompareInput editorSide = compareInput(s.editor());
        const ScriptComparison comparison = compareScripts(fileSide, editorSide, {s.compareLogs()});
        const CompareReport report{file, fileSide, editorSide, comparison, s.compareLogs()};
        // Each difference counts as a finding, so that the exit status
        // tells whether the scripts differ.
        if (form == Form::Json) {
            const std::string json =
                compareJson(report).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
            comparison.identical() ? void(s.out() << json << '\n') : s.reportFinding(json);
            return;
        }
        for (const std::string& line : differenceLines(report))
            s.reportFinding(line);
        s.out() << summaryLine(report) << '\n';
    });
}

void compareLines(Session& s, const std::string& file) { compareWith(s, file, Form::Lines); }
void compareJsonObject(Session& s, const std::string& file) { compareWith(s, file, Form::Json); }
void compareLogs(Session& s) { s.setCompareLogs(true); }

constexpr CommandSpec kCommands[] = {
    {"--compare", "FILE", "compare the script with FILE's: one difference a line", withFile<compareLines>},
    {"--compare-json", "FILE", "the same as one line of JSON", withFile<compareJsonObject>},
    {"--compare-logs", "", "from now on, compare the log areas and ERROR_CODE too", plain<compareLogs>},
};

} // namespace

std::span<const CommandSpec> compareCommands() { return kCommands; }

} // namespace pst::cli
