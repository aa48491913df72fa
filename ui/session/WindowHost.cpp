#include "ui/session/WindowHost.h"

#include "ui/common/DisplayText.h"
#include "ui/session/FileFilter.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtGui/QGuiApplication>

namespace {
QStringList displayList(const std::vector<std::string>& names)
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        out << toDisplay(name);
    return out;
}

std::optional<std::string> toCorePath(const std::optional<QString>& path)
{
    if (!path)
        return std::nullopt;
    return pathFromDisplay(*path);
}
} // namespace

WindowHost::WindowHost(WindowPrompts& prompts, QObject* parent) : QObject(parent), m_prompts(prompts) {}

// --- dialogs and messages --------------------------------------------------------

FileDialogRequest WindowHost::fileRequest(const pst::DialogRequest& request, QString& startFolder) const
{
    FileDialogRequest out{request.purpose, request.moduleId, qtFileFilter(request.dialog.filter),
                          pathToDisplay(request.dialog.fileName), {}};
    std::swap(out.startFolder, startFolder);
    return out;
}

void WindowHost::setStartFolder(const QString& folder)
{
    m_openStartFolder = folder;
    m_saveStartFolder = folder;
}

std::optional<std::string> WindowHost::openDialog(const pst::DialogRequest& request)
{
    if (m_nextLoad && request.purpose == pst::DialogPurpose::LoadModule) {
        std::optional<std::string> path = std::move(m_nextLoad);
        m_nextLoad.reset();
        return path;
    }
    return toCorePath(m_prompts.openFile(fileRequest(request, m_openStartFolder)));
}

std::optional<std::string> WindowHost::saveDialog(const pst::DialogRequest& request)
{
    return toCorePath(m_prompts.saveFile(fileRequest(request, m_saveStartFolder)));
}

void WindowHost::showMessage(const std::string& text) { m_prompts.warning(toDisplay(text)); }

void WindowHost::showError(const std::string& text) { m_prompts.critical(toDisplay(text)); }

pst::SaveChangesAnswer WindowHost::askSaveChanges() { return m_prompts.askSaveChanges(); }

bool WindowHost::askReplaceChangedFile(const std::string& path)
{
    return m_prompts.askReplaceChangedFile(pathToDisplay(path));
}

bool WindowHost::ctrlHeld()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

// The window repaints; clicks and keys wait until the command is done.
void WindowHost::pumpMessages() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

std::optional<pst::Bytes> WindowHost::findResource(std::string_view name)
{
    QFile file(m_resourcePrefix + qtText(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return pst::Bytes(bytes.begin(), bytes.end());
}

// --- notifications ------------------------------------------------------------

void WindowHost::titleChanged(const std::string& title) { emit titleTextChanged(toDisplay(title)); }

void WindowHost::statusChanged(const std::string& text) { emit statusTextChanged(toDisplay(text)); }

void WindowHost::customTextChanged(const std::string& text) { emit customBoxTextChanged(toDisplay(text)); }

void WindowHost::familyTextChanged(const std::string& text) { emit familyBoxTextChanged(toDisplay(text)); }

void WindowHost::familyListChanged(const std::vector<std::string>& names) { emit familyBoxItemsChanged(displayList(names)); }

void WindowHost::customListChanged(const std::vector<std::string>& names) { emit customBoxItemsChanged(displayList(names)); }

void WindowHost::focusStepList() { emit stepListFocusRequested(); }

void WindowHost::scrollToRow(int row) { emit rowScrollRequested(row); }

void WindowHost::modifiedChanged(bool modified) { emit modifiedMarkChanged(modified); }

void WindowHost::scriptReplaced() { emit newScript(); }

void WindowHost::scriptChanged() { emit scriptEdited(); }

void WindowHost::moduleFileNamed(const std::string& path)
{
    const QString shown = pathToDisplay(path);
    setStartFolder(QFileInfo(shown).absolutePath());
    emit moduleFileKnown(shown);
}
