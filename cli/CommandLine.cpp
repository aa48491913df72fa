#include "cli/CommandLine.h"

#include "cli/CommandTable.h"
#include "cli/GlobalOptions.h"

namespace pst::cli {

namespace {

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : m_args(args) {}

    CommandLine parse()
    {
        if (!parseGlobalOptions())
            return m_line;
        while (m_at < m_args.size())
            parseCommand();
        if (m_line.commands.empty())
            throw UsageError("no command given");
        return m_line;
    }

private:
    // False when --help or --version ends the parse.
    bool parseGlobalOptions()
    {
        while (m_at < m_args.size() && isGlobalOption(m_args[m_at])) {
            const std::string& option = m_args[m_at++];
            if (option == kHelpOption || option == kVersionOption) {
                m_line.mode = option == kHelpOption ? CommandLine::Mode::Help : CommandLine::Mode::Version;
                return false;
            }
            if (option == kKeepGoingOption)
                m_line.keepGoing = true;
            else
                m_line.catalogs = argumentOf(option, "DIR");
        }
        return true;
    }

    void parseCommand()
    {
        const std::string& name = m_args[m_at++];
        if (isGlobalOption(name))
            throw UsageError("global option " + name + " must come before the first command");
        const CommandSpec* spec = findCommand(name);
        if (!spec)
            throw UsageError(unknownCommand(name));
        const std::string argument = spec->argument.empty() ? std::string() : argumentOf(name, spec->argument);
        m_line.commands.push_back({spec, spec->bind(spec->name, argument)});
    }

    std::string argumentOf(const std::string& name, std::string_view form)
    {
        if (m_at >= m_args.size())
            throw UsageError(name + " needs an argument " + std::string(form));
        return m_args[m_at++];
    }

    static std::string unknownCommand(const std::string& name)
    {
        std::string text = "unknown command '" + name + "'";
        if (const auto near = closestName(name))
            text += " (did you mean " + *near + "?)";
        return text;
    }

    const std::vector<std::string>& m_args;
    std::size_t m_at = 0;
    CommandLine m_line;
};

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args)
{
    return Parser(args).parse();
}

} // namespace pst::cli
