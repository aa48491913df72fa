#include "ui/MainWindow.h"

#include "catalogs/CatalogFolder.h"
#include "model/FileSystem.h"
#include "ui/BottomPanel.h"
#include "ui/DialogPrompts.h"
#include "ui/DisplayText.h"
#include "ui/FieldInspector.h"
#include "ui/FieldInspectorToggle.h"
#include "ui/FieldTableView.h"
#include "ui/Fonts.h"
#include "ui/HexView.h"
#include "ui/RecoveryCopy.h"
#include "ui/Resources.h"
#include "ui/SplitterBar.h"
#include "ui/StepListView.h"
#include "ui/SvgIcon.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QMenu>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QVBoxLayout>

namespace {
// Fills in what the caller left open with the running program's parts.
WindowSetup withDefaults(WindowSetup setup, QWidget* window)
{
    if (!setup.fileSystem)
        setup.fileSystem = &pst::realFileSystem();
    if (setup.catalogFolder.empty())
        setup.catalogFolder =
            pst::CatalogFolderFor(*setup.fileSystem, pathFromDisplay(QCoreApplication::applicationDirPath()));
    if (!setup.prompts)
        setup.prompts = std::make_unique<DialogPrompts>(window);
    if (!setup.settings)
        setup.settings = WindowPlacement::programSettings();
    if (setup.recoveryFolder.isEmpty())
        setup.recoveryFolder = RecoveryCopy::defaultFolder();
    return setup;
}
} // namespace

TfmScript::TfmScript(WindowSetup setup, QWidget* parent)
    : QWidget(parent),
      m_setup(withDefaults(std::move(setup), this)),
      m_host(*m_setup.prompts),
      m_editor(m_host, *m_setup.fileSystem, m_setup.catalogFolder),
      m_model(m_editor.steps()),
      m_hexSource(m_editor, [this](const std::function<void()>& command) { return runCommand(command); }),
      m_placement(m_setup.settings)
{
    initResources();
    setupWindow();
    createControls();
    createMenus();
    connectControls();
    setTabOrder();
    m_host.attach({this, m_lvScript, m_heScript, m_panel->cbFamily, m_panel->cbCustom, m_panel->edStatus}, m_editor);
    setupRecovery();
}

TfmScript::~TfmScript()
{
    // A window that goes away without having been closed still keeps its place.
    if (m_placement.wasRestored() && !m_placement.wasSaved())
        savePlacement(true);
    // The editor state goes before the widgets: nothing they do while they
    // are torn down (an open field editor writing its value) may reach it.
    if (FieldInspector* inspector = m_inspectorToggle->builtInspector())
        inspector->detach();
    // The step list goes while its model (a member) still exists; taking the
    // model from it first would lay out its header once more for nothing.
    delete m_lvScript;
    m_lvScript = nullptr;
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
    m_lvScript->setModel(&m_model);
    m_heScript = new HexView(this);
    m_heScript->setObjectName(QStringLiteral("heScript"));
    m_heScript->setSource(&m_hexSource);
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
    stepsLayout->addWidget(m_lvScript, 1);
    stepsLayout->addWidget(m_heScript);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(steps);
    splitter->setStretchFactor(0, 1);
    const auto buildInspector = [this, splitter] {
        auto* inspector = new FieldInspector(
            m_editor, [this](const std::function<void()>& command) { return runCommand(command); }, *m_heScript,
            *m_lvScript, splitter);
        QWidget::setTabOrder(m_heScript, inspector->table());
        return inspector;
    };
    m_inspectorToggle = new FieldInspectorToggle(*this, *splitter, buildInspector, m_setup.settings);
    m_panel->btFields->setDefaultAction(m_inspectorToggle->action());
    return splitter;
}

void TfmScript::connectControls()
{
    BottomPanel* p = m_panel;
    connect(p->btRead, &QPushButton::clicked, this, &TfmScript::btReadClick);
    connect(p->btWrite, &QPushButton::clicked, this, &TfmScript::btWriteClick);
    connect(p->btDown, &QToolButton::clicked, this, &TfmScript::btDownClick);
    connect(p->btUp, &QToolButton::clicked, this, &TfmScript::btUpClick);
    connect(p->btWriteToIni, &QToolButton::clicked, this, &TfmScript::btWriteToIniClick);
    connect(p->btTrx, &QPushButton::clicked, this, &TfmScript::miExporttoTRXClick);
    connect(p->cbFamily, &QComboBox::editTextChanged, this, &TfmScript::cbFamilyChange);
    connect(p->cbCustom, &QComboBox::editTextChanged, this, &TfmScript::cbCustomChange);
    connect(p->cbModId, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_editor.setModIdText(text.toStdString()); });
    connect(p->cbStep, &QCheckBox::toggled, this, [this](bool checked) { m_editor.setStepChecked(checked); });
    connect(m_lvScript->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfmScript::lvScriptSelectionChanged);
    connect(&m_model, &StepListModel::selectedRowChanged, m_lvScript, &StepListView::showSelectedRow);
    connect(m_lvScript, &StepListView::clickedBelowRows, this,
            [this] { runCommand([this] { m_editor.selectRow(pst::StepList::kNone); }); });
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

bool TfmScript::runCommand(const std::function<void()>& command)
{
    const bool ok = m_editor.run(command);
    syncSelection();
    if (m_closeRequested && !m_editor.busy()) {
        m_closeRequested = false;
        close();
    }
    return ok;
}

void TfmScript::runEditor(void (pst::Editor::*command)())
{
    runCommand([this, command] { (m_editor.*command)(); });
}

void TfmScript::runConverter(void (*command)(pst::Editor&))
{
    runCommand([this, command] { command(m_editor); });
}

// The view shows the editor's selection, whatever the view did meanwhile.
void TfmScript::syncSelection()
{
    if (m_lvScript->selectedRow() != m_editor.steps().selected())
        m_lvScript->showSelectedRow(m_editor.steps().selected());
}

// --- the controls' own events ----------------------------------------------------------

void TfmScript::cbFamilyChange(const QString& text)
{
    runCommand([this, text] { m_editor.setFamilyText(fromDisplay(text, m_editor.familyList())); });
}

// Choosing or typing a custom test only sets the text that "Write to INI
// current Test" writes.
void TfmScript::cbCustomChange(const QString& text)
{
    std::vector<std::string> known = m_editor.customList();
    known.push_back(m_editor.customText());
    m_editor.setCustomText(fromDisplay(text, known));
}

// A row chosen with the mouse or the keys: the editor selects it. Changes
// the editor makes itself arrive here too and are left alone.
void TfmScript::lvScriptSelectionChanged()
{
    if (m_editor.busy())
        return;
    const int row = m_lvScript->selectedRow();
    if (row != m_editor.steps().selected())
        runCommand([this, row] { m_editor.selectRow(row); });
}
