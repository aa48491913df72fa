#include "cli/Pstool.h"

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "cli/Session.h"

namespace pst::cli {

int pstoolMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, FileSystem& fs,
               const std::string& defaultCatalogs)
{
    CommandLine line;
    try {
        line = parseCommandLine(args);
    } catch (const UsageError& e) {
        err << "pstool: usage: " << e.what() << std::endl;
        return toInt(ExitStatus::Usage);
    }
    if (line.mode == CommandLine::Mode::Help) {
        out << helpText();
        return toInt(ExitStatus::Ok);
    }
    if (line.mode == CommandLine::Mode::Version) {
        out << versionText();
        return toInt(ExitStatus::Ok);
    }
    Session session(out, err, fs, line.catalogs.value_or(defaultCatalogs), line.keepGoing);
    return toInt(session.runAll(line.commands));
}

} // namespace pst::cli
