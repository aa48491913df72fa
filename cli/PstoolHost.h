#pragma once
// The editor's host in pstool: every file dialog is answered from the command
// line, messages and errors go to standard error as "pstool: <text>" and
// "pstool: error: <text>".

#include "model/Host.h"

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>

namespace pst::cli {

class PstoolHost final : public Host {
public:
    explicit PstoolHost(std::ostream& err) : m_err(err) {}

    // From now on the open dialogs of module `id` are answered with `file`
    // and its yes-or-no question answers yes; an empty file cancels the id
    // again (dialogs cancelled, questions answered no).
    void setModuleFile(std::uint16_t id, const std::string& file);
    // The file that answers the running command's own dialog (the open
    // dialog of Load, Import and the comparison, the save dialog of Save and the exports);
    // nullopt cancels those dialogs.
    void setCommandFile(std::optional<std::string> file) { m_commandFile = std::move(file); }
    // Whether the Ctrl key counts as held (the TREX export reads it).
    void setCtrlHeld(bool held) { m_ctrl = held; }

    int messageCount() const { return m_messages; }
    int errorCount() const { return m_errors; }

    std::optional<std::string> openDialog(const DialogRequest& request) override;
    std::optional<std::string> saveDialog(const DialogRequest& request) override;
    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    bool ctrlHeld() override { return m_ctrl; }

private:
    std::optional<std::string> moduleFile(const DialogRequest& request) const;

    std::ostream& m_err;
    std::map<std::uint16_t, std::string> m_moduleFiles;
    std::optional<std::string> m_commandFile;
    bool m_ctrl = false;
    int m_messages = 0;
    int m_errors = 0;
};

} // namespace pst::cli
