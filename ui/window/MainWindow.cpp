#include "ui/window/MainWindow.h"

#include "convert/TrexExport.h"
#include "ui/common/ComboText.h"
#include "ui/common/DisplayText.h"
#include "ui/common/Fonts.h"
#include "ui/common/Resources.h"
#include "ui/common/SvgIcon.h"
#include "ui/hexview/HexView.h"
#include "ui/inspector/FieldInspector.h"
#include "ui/inspector/FieldInspectorToggle.h"
#include "ui/inspector/FieldTableView.h"
#include "ui/steplist/FindBar.h"
#include "ui/steplist/StepListView.h"
#include "ui/window/BottomPanel.h"
#include "ui/window/RecentFiles.h"
#include "ui/window/SplitterBar.h"
#include "ui/window/StepNavigator.h"
#include "ui/window/StepFieldMap.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QVBoxLayout>

TfmScript::TfmScript(EditorSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_placement(session.setup().settings)
{
    initResources();
    m_session.prompts().setDialogParent(this);
    setupWindow();
    createControls();
    createWayFinding(); // before the field inspector can be built: it follows links through it
    createMenus();
    connectControls();
    followEditor();
    setTabOrder();
}

// A window that goes away without having been closed still keeps its place.
// The state it shows outlives it: nothing else is to be undone here.
TfmScript::~TfmScript()
{
    if (m_placement.wasRestored() && !m_placement.wasSaved())
        savePlacement(true);
}

FieldInspector* TfmScript::fieldInspector() { return &m_inspectorToggle->inspector(); }

void TfmScript::setupWindow()
{
    setObjectName(QStringLiteral("fmScript"));
    setWindowTitle(qtText(pst::kAppTitle));
    // A sizable window with the system menu and close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(kMinimumSize);
    resize(kDesignSize);
    setFont(windowFont());
    setWindowIcon(svgIcon(QStringLiteral(":/icons/pstedit.svg"), {16, 24, 32, 48, 64, 128, 256}));
    setAcceptDrops(true);
}

void TfmScript::createControls()
{
    m_lvScript = new StepListView(this);
    m_lvScript->setObjectName(QStringLiteral("lvScript"));
    m_lvScript->setModel(&m_session.stepModel());
    m_heScript = new HexView(this);
    m_heScript->setObjectName(QStringLiteral("heScript"));
    m_heScript->setSource(&m_session.hexSource());
    m_heScript->setFixedHeight(kHexViewHeight);
    m_panel = new BottomPanel(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createSplitter(), 1);
    layout->addWidget(m_panel);
    layout->addWidget(new SplitterBar(this));
}

// The step list over the hex view, and the field inspector to their right.
QSplitter* TfmScript::createSplitter()
{
    auto* steps = new QWidget(this);
    auto* stepsLayout = new QVBoxLayout(steps);
    stepsLayout->setContentsMargins(0, 0, 0, 0);
    stepsLayout->setSpacing(0);
    m_findBar = new FindBar(steps);
    stepsLayout->addWidget(m_lvScript, 1);
    stepsLayout->addWidget(m_findBar);
    stepsLayout->addWidget(m_heScript);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(steps);
    splitter->setStretchFactor(0, 1);
    const auto buildInspector = [this, splitter] {
        // Through the session, not the window: the table commits a value
        // still being edited when it loses the focus, as the window goes.
        auto* inspector = new FieldInspector(
            editor(),
            [&session = m_session](const std::function<void()>& command, std::string_view caption) {
                return session.run(command, caption);
            },
            *m_heScript, *m_lvScript, splitter);
        QWidget::setTabOrder(m_heScript, inspector->table());
        connect(inspector, &FieldInspector::linkFollowed, m_navigator, &StepNavigator::jumpTo);
        return inspector;
    };
    m_inspectorToggle = new FieldInspectorToggle(*this, *splitter, buildInspector, m_session.setup().settings);
    m_panel->btFields->setDefaultAction(m_inspectorToggle->action());
    return splitter;
}

void TfmScript::connectControls()
{
    using pst::Editor;
    using pst::handler;
    BottomPanel* p = m_panel;
    // The caption names the step of the script history the command makes.
    const struct {
        QAbstractButton* button;
        pst::EditorCommand command;
        const char* caption;
    } buttons[] = {
        {p->btRead, handler<&Editor::btReadClick>, "Load"},
        {p->btWrite, handler<&Editor::btWriteClick>, "Save"},
        {p->btDown, handler<&Editor::btDownClick>, "Move Down"},
        {p->btUp, handler<&Editor::btUpClick>, "Move Up"},
        {p->btWriteToIni, handler<&Editor::btWriteToIniClick>, ""},
        {p->btTrx, pst::miExporttoTRXClick, ""},
    };
    for (const auto& b : buttons)
        connect(b.button, &QAbstractButton::clicked, this, [this, b] { run(b.command, b.caption); });
    connect(p->cbFamily, &QComboBox::editTextChanged, this, &TfmScript::cbFamilyChange);
    connect(p->cbCustom, &QComboBox::editTextChanged, this, &TfmScript::cbCustomChange);
    connect(p->cbModId, &QComboBox::editTextChanged, this,
            [this](const QString& text) { editor().setModIdText(text.toStdString()); });
    // The module id box is the one part of the recovery copy outside the rows.
    connect(p->cbModId, &QComboBox::editTextChanged, &recoveryCopy(), &RecoveryCopy::noteChange);
    connect(p->cbStep, &QCheckBox::toggled, this, [this](bool checked) { editor().setStepChecked(checked); });
    connect(m_lvScript->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfmScript::lvScriptSelectionChanged);
    connect(m_lvScript, &StepListView::clickedBelowRows, this,
            [this] { runCommand([this] { editor().selectRow(pst::StepList::kNone); }); });
}

// The widgets follow the editor's state: the session's host and models tell
// of every change, and each connection ends with its widget.
void TfmScript::followEditor()
{
    WindowHost& h = host();
    BottomPanel* p = m_panel;
    connect(&h, &WindowHost::titleTextChanged, this, &QWidget::setWindowTitle);
    connect(&h, &WindowHost::statusTextChanged, p->edStatus, &QLineEdit::setText);
    connect(&h, &WindowHost::customBoxTextChanged, p->cbCustom, [p](const QString& t) { setComboText(p->cbCustom, t); });
    connect(&h, &WindowHost::familyBoxTextChanged, p->cbFamily, [p](const QString& t) { setComboText(p->cbFamily, t); });
    connect(&h, &WindowHost::familyBoxItemsChanged, p->cbFamily,
            [p](const QStringList& names) { setComboItems(p->cbFamily, names); });
    connect(&h, &WindowHost::customBoxItemsChanged, p->cbCustom,
            [p](const QStringList& names) { setComboItems(p->cbCustom, names); });
    connect(&h, &WindowHost::stepListFocusRequested, &m_sessionReceiver,
            [this] { m_lvScript->setFocus(Qt::OtherFocusReason); });
    connect(&h, &WindowHost::rowScrollRequested, &m_sessionReceiver,
            [this](int row) { m_lvScript->scrollTo(stepModel().index(row, 0)); });
    connect(&h, &WindowHost::newScript, &m_sessionReceiver, [this] {
        showHexHint();
        m_lvScript->relayoutColumns();
    });
    connect(&stepModel(), &StepListModel::selectedRowChanged, m_lvScript, &StepListView::showSelectedRow);
    connect(&m_session, &EditorSession::commandEnded, &m_sessionReceiver, [this] {
        commandEnded();
        showHistorySteps();
    });
}

void TfmScript::showHexHint()
{
    m_heScript->setHint(toDisplay(editor().hexHint()));
    m_heScript->setFieldMap(stepFieldMap(pst::errorCodeOffset(editor().layout())));
}

// Panel first, then the step list and the hex view.
void TfmScript::setTabOrder()
{
    QList<QWidget*> chain = m_panel->tabOrder();
    chain << m_lvScript << m_heScript; // the field inspector joins behind the hex view when built
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

// --- running commands ----------------------------------------------------------------

bool TfmScript::runCommand(const std::function<void()>& command, std::string_view caption)
{
    return m_session.run(command, caption);
}

bool TfmScript::run(pst::EditorCommand command, std::string_view caption)
{
    return runCommand([this, command] { command(editor()); }, caption);
}

// After every command, whoever ran it: the view shows the editor's
// selection, whatever the view did meanwhile, and a close asked for while
// the command ran comes now.
void TfmScript::commandEnded()
{
    if (m_lvScript->selectedRow() != editor().steps().selected())
        m_lvScript->showSelectedRow(editor().steps().selected());
    if (m_closeRequested && !editor().busy()) {
        m_closeRequested = false;
        close();
    }
}

// --- the controls' own events ----------------------------------------------------------

void TfmScript::cbFamilyChange(const QString& text)
{
    runCommand([this, text] { editor().setFamilyText(fromDisplay(text, editor().familyList())); });
}

// Choosing or typing a custom test only sets the text that "Write to INI
// current Test" writes.
void TfmScript::cbCustomChange(const QString& text)
{
    std::vector<std::string> known = editor().customList();
    known.push_back(editor().customText());
    editor().setCustomText(fromDisplay(text, known));
}

// A row chosen with the mouse or the keys: the editor selects it. Changes
// the editor makes itself arrive here too and are left alone.
void TfmScript::lvScriptSelectionChanged()
{
    if (editor().busy())
        return;
    const int row = m_lvScript->selectedRow();
    if (row != editor().steps().selected())
        runCommand([this, row] { editor().selectRow(row); });
}
