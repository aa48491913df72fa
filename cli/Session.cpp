#include "cli/Session.h"

#include "cli/Command.h"
#include "cli/StandardOutput.h"
#include "model/Messages.h"

namespace pst::cli {

Session::Session(std::ostream& out, std::ostream& err, FileSystem& fs, std::string catalogFolder, bool keepGoing)
    : m_out(out), m_host(err), m_editor(m_host, fs, std::move(catalogFolder)), m_keepGoing(keepGoing)
{
}

void Session::run(const std::function<void()>& command)
{
    m_editor.run(command, m_caption);
}

void Session::runWithFile(const std::string& file, const std::function<void()>& command)
{
    m_host.setCommandFile(file);
    m_editor.run(command, m_caption);
    m_host.setCommandFile(std::nullopt);
}

void Session::reportFinding(const std::string& line)
{
    ++m_findings;
    m_out << line << '\n';
}

ExitStatus Session::runAll(const std::vector<Invocation>& commands)
{
    int errors = m_host.errorCount();
    run([this] { m_editor.FormShow(); });
    for (const Invocation& command : commands) {
        if (!mayGoOn(errors))
            break;
        errors = m_host.errorCount();
        m_caption = command.spec ? command.spec->caption : std::string_view{};
        command.action(*this);
        m_caption = {};
        checkOutput();
    }
    return status();
}

void Session::checkOutput()
{
    if (m_out.flush())
        return;
    // A script that reads --print must not take lost output for success.
    m_out.clear();
    m_host.showError(outputFailure());
}

std::string outputFailure()
{
    return standardOutputClosed() ? std::string(kStandardOutputClosed) : msg::unableToWrite(kStandardOutput);
}

ExitStatus Session::status() const
{
    if (m_host.errorCount() > 0)
        return ExitStatus::Error;
    if (m_host.messageCount() > 0 || m_findings > 0)
        return ExitStatus::Messages;
    return ExitStatus::Ok;
}

} // namespace pst::cli
