#include "cli/PstoolHost.h"

namespace pst::cli {

void PstoolHost::setModuleFile(std::uint16_t id, const std::string& file)
{
    if (file.empty())
        m_moduleFiles.erase(id);
    else
        m_moduleFiles[id] = file;
}

std::optional<std::string> PstoolHost::moduleFile(const DialogRequest& request) const
{
    if (!request.moduleId)
        return std::nullopt;
    const auto it = m_moduleFiles.find(*request.moduleId);
    if (it == m_moduleFiles.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> PstoolHost::openDialog(const DialogRequest& request)
{
    switch (request.purpose) {
    case DialogPurpose::LoadModule:
    case DialogPurpose::CompareModule:
    case DialogPurpose::ImportIni:
        return m_commandFile;
    case DialogPurpose::ReadModule:
    case DialogPurpose::ConfirmModule:
        return moduleFile(request);
    default:
        return std::nullopt;
    }
}

std::optional<std::string> PstoolHost::saveDialog(const DialogRequest& request)
{
    switch (request.purpose) {
    case DialogPurpose::SaveModule:
    case DialogPurpose::ExportIni:
    case DialogPurpose::ExportTrex:
        return m_commandFile;
    default:
        return std::nullopt;
    }
}

void PstoolHost::showMessage(const std::string& text)
{
    ++m_messages;
    m_err << "pstool: " << text << std::endl;
}

void PstoolHost::showError(const std::string& text)
{
    ++m_errors;
    m_err << "pstool: error: " << text << std::endl;
}

} // namespace pst::cli
