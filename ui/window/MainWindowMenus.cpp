// The two popup menus: pmScript of the step list and pmHex of the hex view.
// Their shortcuts act only while their own control has the focus, so Ctrl+V
// clears the step's log in the list and pastes in the hex view, and Ctrl+Z
// in the list is "Set Eror Step to END", not an undo.

#include "convert/ArcoScript.h"
#include "convert/IniExport.h"
#include "convert/IniImport.h"
#include "convert/PtmHistoryScript.h"
#include "convert/ScriptUpgrade.h"
#include "convert/SelfScanFromE6.h"
#include "convert/TrexExport.h"
#include "ui/hexview/HexView.h"
#include "ui/steplist/StepListView.h"
#include "ui/window/MainWindow.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

namespace {

using pst::Editor;
using pst::handler;

// One item of a menu: the control's name, the caption, the shortcut (portable
// text, "" for none) and the command it runs; no name: a separator.
template <typename Command>
struct MenuItem {
    const char* name;
    const char* caption;
    const char* keys;
    Command command;
};

using ScriptMenuItem = MenuItem<pst::EditorCommand>;
// A hex view's command as a plain function over the view, as the editor's
// handlers are (handler<&Editor::...>): no member pointer kept at run time.
using HexCommand = void (*)(HexView&);
using HexMenuItem = MenuItem<HexCommand>;

template <void (HexView::*Command)()>
void hexCommand(HexView& view)
{
    (view.*Command)();
}

constexpr ScriptMenuItem kSeparator{nullptr, nullptr, "", nullptr};

const ScriptMenuItem kScriptMenu[] = {
    {"miCreateARCOScript", "Create ARCO Script", "", pst::miCreateARCOScriptClick},
    {"miCreateSelfscanScriptfromE6", "Create Selfscan Script from E6", "", pst::miCreateSelfscanScriptfromE6Click},
    {"miCreateScriptfromDVTPTMHistory", "Create Script from DVT PTM History", "",
     pst::miCreateScriptfromDVTPTMHistoryClick},
    {"miUpgradeScript", "Upgrade Script", "Ctrl+U", pst::miUpgradeScriptClick},
    kSeparator,
    {"miClearCurrentStep", "Clear Current Step Log", "Ctrl+V", handler<&Editor::miClearCurrentStepClick>},
    {"miClearScript", "Clear Script Log", "Shift+Del", handler<&Editor::miClearScriptClick>},
    kSeparator,
    {"miSetGoodSteptoStepByStep", "Set Good Step to Step_by_Step", "Ctrl+E",
     handler<&Editor::miSetGoodSteptoStepByStepClick>},
    {"miSetErorSteptoEnd", "Set Eror Step to END", "Ctrl+Z", handler<&Editor::miSetErorSteptoEndClick>},
    {"miSetErorSteptoStop", "Set Eror Step to STOP", "Ctrl+S", handler<&Editor::miSetErorSteptoStopClick>},
    kSeparator,
    {"miInsert", "Insert", "Ins", handler<&Editor::miInsertClick>},
    {"miDelete", "Delete", "Del", handler<&Editor::miDeleteClick>},
    {"miClearAll", "Clear", "Ctrl+Del", handler<&Editor::miClearAllClick>},
    kSeparator,
    {"miImportfromINI", "Import from INI", "", pst::miImportfromINIClick},
    {"miExporttoINI", "Export to INI", "", pst::miExporttoINIClick},
    {"miExporttoTRX", "Export to TRX", "", pst::miExporttoTRXClick},
};

// Copy1Click and Past1Click: the hex view's own copy and paste.
const HexMenuItem kHexMenu[] = {
    {"Copy1", "Copy", "Ctrl+C", hexCommand<&HexView::copy>},
    {"Past1", "Past", "Ctrl+V", hexCommand<&HexView::paste>},
};

// Builds the menu for `owner`: its shortcuts work while the focus is in it,
// and a right click there opens the menu. `run` runs an item (the tables
// live as long as the program).
template <typename Command, std::size_t N, typename Run>
QMenu* buildMenu(TfmScript* window, QWidget* owner, const char* name, const MenuItem<Command> (&items)[N], Run run)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QLatin1String(name));
    for (const MenuItem<Command>& item : items) {
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(QKeySequence(QLatin1String(item.keys), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(action, &QAction::triggered, window, [run, &item] { run(item); });
        owner->addAction(action);
    }
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    return menu;
}

void popupAt(QMenu* menu, QAbstractScrollArea* owner, QPoint viewportPos)
{
    menu->popup(owner->viewport()->mapToGlobal(viewportPos));
}

} // namespace

void TfmScript::createMenus()
{
    m_pmScript = createScriptMenu();
    m_pmHex = createHexMenu();
}

QMenu* TfmScript::createScriptMenu()
{
    // Each item's caption names the step of the script history it makes.
    QMenu* menu = buildMenu(this, m_lvScript, "pmScript", kScriptMenu,
                            [this](const ScriptMenuItem& item) { run(item.command, item.caption); });
    addHistoryActions(menu);
    // Nothing enables the import: it stays greyed.
    menu->findChild<QAction*>(QStringLiteral("miImportfromINI"))->setEnabled(false);
    // The compare window, after the step commands; no shortcut.
    menu->addSeparator();
    QAction* compare = menu->addAction(QStringLiteral("Compare with..."));
    compare->setObjectName(QStringLiteral("miCompareWith"));
    compare->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(compare, &QAction::triggered, this, &TfmScript::compareWith);
    connect(m_lvScript, &QWidget::customContextMenuRequested, menu,
            [this, menu](QPoint pos) { popupAt(menu, m_lvScript, pos); });
    return menu;
}

QMenu* TfmScript::createHexMenu()
{
    QMenu* menu =
        buildMenu(this, m_heScript, "pmHex", kHexMenu, [this](const HexMenuItem& item) { item.command(*m_heScript); });
    connect(m_heScript, &QWidget::customContextMenuRequested, menu,
            [this, menu](QPoint pos) { popupAt(menu, m_heScript, pos); });
    return menu;
}
