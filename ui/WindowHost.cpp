#include "ui/WindowHost.h"

#include "model/Editor.h"
#include "model/StepRecord.h"
#include "ui/ComboText.h"
#include "ui/DisplayText.h"
#include "ui/FileFilter.h"
#include "ui/HexView.h"
#include "ui/StepFieldMap.h"
#include "ui/StepListView.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

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

WindowHost::WindowHost(WindowPrompts& prompts) : m_prompts(prompts) {}

void WindowHost::attach(const WindowWidgets& widgets, const pst::Editor& editor)
{
    m_widgets = widgets;
    m_editor = &editor;
}

// --- dialogs and messages --------------------------------------------------------

FileDialogRequest WindowHost::fileRequest(const pst::DialogRequest& request) const
{
    return {request.purpose, request.moduleId, qtFileFilter(request.dialog.filter),
            pathToDisplay(request.dialog.fileName)};
}

std::optional<std::string> WindowHost::openDialog(const pst::DialogRequest& request)
{
    if (m_nextLoad && request.purpose == pst::DialogPurpose::LoadModule) {
        std::optional<std::string> path = std::move(m_nextLoad);
        m_nextLoad.reset();
        return path;
    }
    return toCorePath(m_prompts.openFile(fileRequest(request)));
}

std::optional<std::string> WindowHost::saveDialog(const pst::DialogRequest& request)
{
    return toCorePath(m_prompts.saveFile(fileRequest(request)));
}

void WindowHost::showMessage(const std::string& text) { m_prompts.warning(toDisplay(text)); }

void WindowHost::showError(const std::string& text) { m_prompts.critical(toDisplay(text)); }

pst::SaveChangesAnswer WindowHost::askSaveChanges() { return m_prompts.askSaveChanges(); }

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

// --- controls -----------------------------------------------------------------

void WindowHost::titleChanged(const std::string& title) { m_widgets.window->setWindowTitle(toDisplay(title)); }

void WindowHost::statusChanged(const std::string& text) { m_widgets.status->setText(toDisplay(text)); }

void WindowHost::customTextChanged(const std::string& text) { setComboText(m_widgets.custom, toDisplay(text)); }

void WindowHost::familyTextChanged(const std::string& text) { setComboText(m_widgets.family, toDisplay(text)); }

void WindowHost::familyListChanged(const std::vector<std::string>& names)
{
    setComboItems(m_widgets.family, displayList(names));
}

void WindowHost::customListChanged(const std::vector<std::string>& names)
{
    setComboItems(m_widgets.custom, displayList(names));
}

void WindowHost::focusStepList() { m_widgets.list->setFocus(Qt::OtherFocusReason); }

void WindowHost::scrollToRow(int row)
{
    if (QAbstractItemModel* model = m_widgets.list->model())
        m_widgets.list->scrollTo(model->index(row, 0));
}

void WindowHost::modifiedChanged(bool modified)
{
    if (m_modifiedHandler)
        m_modifiedHandler(modified);
}

void WindowHost::scriptChanged()
{
    if (m_changeHandler)
        m_changeHandler();
}

// The hex view's hint and field names follow the layout of the new script;
// the list lays out its columns anew.
void WindowHost::scriptReplaced()
{
    showHexHint();
    m_widgets.list->relayoutColumns();
}

void WindowHost::showHexHint()
{
    m_widgets.hex->setHint(toDisplay(m_editor->hexHint()));
    m_widgets.hex->setFieldMap(stepFieldMap(pst::errorCodeOffset(m_editor->layout())));
}
