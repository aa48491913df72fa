#include "cli/Pstool.h"

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "cli/Session.h"

namespace pst::cli {

namespace {

// --help and --version: their text is the requested output, so failing to
// write it is an error.
int printText(const std::string& text, std::ostream& out, std::ostream& err)
{
    if (out << text << std::flush)
        return toInt(ExitStatus::Ok);
    err << "pstool: error: " << outputFailure() << std::endl;
    return toInt(ExitStatus::Error);
}

} // namespace

int pstoolMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, FileSystem& fs,
               const std::string& defaultCatalogs)
{
    CommandLine line;
    try {
        line = parseCommandLine(args);
    } catch (const UsageError& e) {
        err << "pstool: usage: " << e.what() << "\nTry 'pstool --help' for more information." << std::endl;
        return toInt(ExitStatus::Usage);
    }
    if (line.mode == CommandLine::Mode::Help)
        return printText(helpText(), out, err);
    if (line.mode == CommandLine::Mode::Version)
        return printText(versionText(), out, err);
    Session session(out, err, fs, line.catalogs.value_or(defaultCatalogs), line.keepGoing);
    return toInt(session.runAll(line.commands));
}

} // namespace pst::cli
