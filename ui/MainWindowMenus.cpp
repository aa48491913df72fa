// The two popup menus: pmScript of the step list and pmHex of the hex view.
// Their shortcuts act only while their own control has the focus, so Ctrl+V
// clears the step's log in the list and pastes in the hex view, and Ctrl+Z
// in the list is "Set Eror Step to END", not an undo.

#include "ui/HexView.h"
#include "ui/MainWindow.h"
#include "ui/StepListView.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

namespace {

struct MenuItem {
    const char* name;    // nullptr: a separator
    const char* caption;
    const char* keys;    // portable text, "" for none
    void (TfmScript::*handler)();
};

constexpr MenuItem kSeparator{nullptr, nullptr, "", nullptr};

const MenuItem kScriptMenu[] = {
    {"miCreateARCOScript", "Create ARCO Script", "", &TfmScript::miCreateARCOScriptClick},
    {"miCreateSelfscanScriptfromE6", "Create Selfscan Script from E6", "", &TfmScript::miCreateSelfscanScriptfromE6Click},
    {"miCreateScriptfromDVTPTMHistory", "Create Script from DVT PTM History", "",
     &TfmScript::miCreateScriptfromDVTPTMHistoryClick},
    {"miUpgradeScript", "Upgrade Script", "Ctrl+U", &TfmScript::miUpgradeScriptClick},
    kSeparator,
    {"miClearCurrentStep", "Clear Current Step Log", "Ctrl+V", &TfmScript::miClearCurrentStepClick},
    {"miClearScript", "Clear Script Log", "Shift+Del", &TfmScript::miClearScriptClick},
    kSeparator,
    {"miSetGoodSteptoStepByStep", "Set Good Step to Step_by_Step", "Ctrl+E", &TfmScript::miSetGoodSteptoStepByStepClick},
    {"miSetErorSteptoEnd", "Set Eror Step to END", "Ctrl+Z", &TfmScript::miSetErorSteptoEndClick},
    {"miSetErorSteptoStop", "Set Eror Step to STOP", "Ctrl+S", &TfmScript::miSetErorSteptoStopClick},
    kSeparator,
    {"miInsert", "Insert", "Ins", &TfmScript::miInsertClick},
    {"miDelete", "Delete", "Del", &TfmScript::miDeleteClick},
    {"miClearAll", "Clear", "Ctrl+Del", &TfmScript::miClearAllClick},
    kSeparator,
    {"miImportfromINI", "Import from INI", "", &TfmScript::miImportfromINIClick},
    {"miExporttoINI", "Export to INI", "", &TfmScript::miExporttoINIClick},
    {"miExporttoTRX", "Export to TRX", "", &TfmScript::miExporttoTRXClick},
};

const MenuItem kHexMenu[] = {
    {"Copy1", "Copy", "Ctrl+C", &TfmScript::Copy1Click},
    {"Past1", "Past", "Ctrl+V", &TfmScript::Past1Click},
};

// Builds the menu for `owner`: its shortcuts work while the focus is in it,
// and a right click there opens the menu.
template <std::size_t N>
QMenu* buildMenu(TfmScript* window, QWidget* owner, const char* name, const MenuItem (&items)[N])
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QLatin1String(name));
    for (const MenuItem& item : items) {
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(QKeySequence(QLatin1String(item.keys), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(action, &QAction::triggered, window, item.handler);
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
    QMenu* menu = buildMenu(this, m_lvScript, "pmScript", kScriptMenu);
    // Nothing enables the import: it stays greyed.
    menu->findChild<QAction*>(QStringLiteral("miImportfromINI"))->setEnabled(false);
    connect(m_lvScript, &QWidget::customContextMenuRequested, menu,
            [this, menu](QPoint pos) { popupAt(menu, m_lvScript, pos); });
    return menu;
}

QMenu* TfmScript::createHexMenu()
{
    QMenu* menu = buildMenu(this, m_heScript, "pmHex", kHexMenu);
    connect(m_heScript, &QWidget::customContextMenuRequested, menu,
            [this, menu](QPoint pos) { popupAt(menu, m_heScript, pos); });
    return menu;
}
