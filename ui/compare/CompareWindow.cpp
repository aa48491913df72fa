#include "ui/compare/CompareWindow.h"

#include "compare/CompareFieldRows.h"
#include "compare/LineAfterChange.h"
#include "compare/TakeFromOther.h"
#include "ui/common/DisplayText.h"
#include "ui/common/Fonts.h"
#include "ui/compare/CompareFieldsModel.h"
#include "ui/compare/CompareSideModel.h"
#include "ui/session/EditorSession.h"
#include "ui/steplist/StepListView.h"

#include <QtCore/QEvent>
#include <QtCore/QFileInfo>
#include <QtGui/QAction>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QTableView>
#include <QtWidgets/QVBoxLayout>

namespace {
constexpr QSize kStartSize{900, 720};

QString fileName(const std::string& path) { return QFileInfo(pathToDisplay(path)).fileName(); }

int selectedRow(const QTableView& table)
{
    const QModelIndexList rows = table.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

QString selectedField(const QTableView& table)
{
    const int row = selectedRow(table);
    return row < 0 ? QString() : table.model()->index(row, CompareFieldsModel::NameColumn).data().toString();
}

void selectField(QTableView& table, const QString& name)
{
    for (int row = 0; !name.isEmpty() && row < table.model()->rowCount(); ++row)
        if (table.model()->index(row, CompareFieldsModel::NameColumn).data().toString() == name)
            table.selectRow(row);
}
} // namespace

CompareWindow::CompareWindow(EditorSession& session, pst::ChosenScript other, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_session(session), m_path(std::move(other.path)),
      m_other(std::move(other.script))
{
    setObjectName(QStringLiteral("fmCompare"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Compare with %1").arg(shownPath(pathToDisplay(m_path))));
    setFont(windowFont());
    resize(kStartSize);
    buildWidgets();
    connectWidgets();
    if (mainWindow)
        mainWindow->installEventFilter(this);
    recompute();
    selectLine(pst::nextDifference(m_comparison, -1));
}

CompareWindow::~CompareWindow() = default;

// --- building ---------------------------------------------------------------------

void CompareWindow::buildWidgets()
{
    m_fieldsModel = new CompareFieldsModel(fileName(m_path), this);
    m_fields = new QTableView(this);
    m_fields->setObjectName(QStringLiteral("tvCompareFields"));
    m_fields->setModel(m_fieldsModel);
    m_fields->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_fields->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fields->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fields->verticalHeader()->hide();
    // Rows as tight as the step lists', so that more fields show at once.
    m_fields->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_fields->verticalHeader()->setDefaultSectionSize(m_fields->fontMetrics().height() + 4);
    m_fields->horizontalHeader()->setStretchLastSection(true);
    m_fields->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_fields->setColumnWidth(CompareFieldsModel::NameColumn, 130);
    m_fields->setColumnWidth(CompareFieldsModel::OtherColumn, 330);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildLists());
    splitter->addWidget(m_fields);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buildBar());
}

QWidget* CompareWindow::buildLists()
{
    auto* lists = new QWidget(this);
    auto* grid = new QGridLayout(lists);
    grid->setContentsMargins(0, 0, 0, 0);
    m_leftModel = new CompareSideModel(pst::CompareSide::Left, this);
    m_rightModel = new CompareSideModel(pst::CompareSide::Right, this);
    const std::pair<StepListView**, CompareSideModel*> sides[] = {{&m_left, m_leftModel}, {&m_right, m_rightModel}};
    QFont bold = stepListFont();
    bold.setBold(true);
    for (const auto& [view, model] : sides) {
        *view = new StepListView(lists);
        (*view)->setModel(model);
        (*view)->setFont(bold);
    }
    m_left->setObjectName(QStringLiteral("lvCompareOther"));
    m_right->setObjectName(QStringLiteral("lvCompareEdited"));
    grid->addWidget(new QLabel(fileName(m_path), lists), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("In the editor"), lists), 0, 1);
    grid->addWidget(m_left, 1, 0);
    grid->addWidget(m_right, 1, 1);
    return lists;
}

QWidget* CompareWindow::buildBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("edCompareStatus"));
    m_status->setWordWrap(true);
    m_logs = new QCheckBox(QStringLiteral("Compare logs"), bar);
    m_logs->setToolTip(QStringLiteral("Compare the logged results too: ERROR_CODE and the log area"));
    m_previous = new QPushButton(QStringLiteral("Previous difference"), bar);
    m_previous->setToolTip(QStringLiteral("Shift+F7"));
    m_next = new QPushButton(QStringLiteral("Next difference"), bar);
    m_next->setToolTip(QStringLiteral("F7"));
    m_take = new QPushButton(qtText(pst::kTakeFromOther), bar);
    m_take->setObjectName(QStringLiteral("btTakeFromOther"));
    m_take->setToolTip(QStringLiteral("Copy the selected step, or the selected field, into the script in the editor"));
    row->addWidget(m_status, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_logs, m_previous, m_next, m_take})
        row->addWidget(w);
    return bar;
}

void CompareWindow::connectWidgets()
{
    followScrolling(m_left, m_right);
    followScrolling(m_right, m_left);
    for (StepListView* view : {m_left, m_right})
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, view] { lineSelected(view->selectedRow()); });
    connect(m_fields->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CompareWindow::updateTake);

    const std::pair<QKeySequence, void (CompareWindow::*)()> keys[] = {
        {QKeySequence(Qt::Key_F7), &CompareWindow::nextDifference},
        {QKeySequence(Qt::SHIFT | Qt::Key_F7), &CompareWindow::previousDifference},
    };
    for (const auto& [key, command] : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, command);
        addAction(action);
    }
    connect(m_next, &QPushButton::clicked, this, &CompareWindow::nextDifference);
    connect(m_previous, &QPushButton::clicked, this, &CompareWindow::previousDifference);
    connect(m_take, &QPushButton::clicked, this, &CompareWindow::takeFromOther);
    connect(m_logs, &QCheckBox::toggled, this, [this](bool logs) {
        m_options.logs = logs;
        recompute();
    });

    // Edits of the editor's script: compared anew a moment later, once for
    // all the edits made meanwhile; never inside a running command.
    m_follow.setSingleShot(true);
    m_follow.setInterval(kFollowDelayMs);
    connect(&m_follow, &QTimer::timeout, this, [this] {
        if (m_session.editor().busy())
            m_follow.start();
        else
            recompute();
    });
    connect(&m_session.host(), &WindowHost::scriptEdited, this, &CompareWindow::editorChanged);
    // Another script in the editor: this comparison is of no use any more.
    connect(&m_session.host(), &WindowHost::newScript, this, &QWidget::close);
}

void CompareWindow::followScrolling(StepListView* from, StepListView* to)
{
    connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(), &QScrollBar::setValue);
}

// The main window closed (hidden, not minimised): so does this one.
bool CompareWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QWidget::eventFilter(watched, event);
}

// --- the two sides ---------------------------------------------------------------------

pst::CompareInput CompareWindow::otherInput() const { return pst::compareInput(m_other); }

pst::CompareInput CompareWindow::editedInput() const
{
    return {m_edited, m_session.editor().layout(), m_session.editor().recordSize()};
}

bool CompareWindow::comparedRowsAreCurrent() const
{
    return m_session.editor().steps().revision() == m_comparedRevision;
}

void CompareWindow::editorChanged()
{
    if (!m_follow.isActive())
        m_follow.start();
}

void CompareWindow::recompute()
{
    m_follow.stop();
    const int before = selectedLine();
    const QString field = selectedField(*m_fields);
    const int scroll = m_right->verticalScrollBar()->value();
    const pst::StepList& steps = m_session.editor().steps();
    m_edited = steps.rows();
    m_comparedRevision = steps.revision();
    pst::ScriptComparison next = pst::compareScripts(otherInput(), editedInput(), m_options);
    const int line = pst::lineAfterChange(m_comparison, before, next, pst::CompareSide::Left);
    m_fieldsModel->show({}); // it points into the differences about to go
    m_comparison = std::move(next);
    m_leftModel->show(&m_comparison, m_other.rows);
    m_rightModel->show(&m_comparison, m_edited);
    // The lists lay out their new rows now, so that they scroll back to where
    // they were rather than to the top.
    m_left->doItemsLayout();
    m_right->doItemsLayout();
    m_right->verticalScrollBar()->setValue(scroll);
    lineSelected(line);
    selectField(*m_fields, field);
    if (line >= 0)
        m_right->scrollTo(m_rightModel->index(line, 0));
    showSummary();
}

// --- selection and navigation ---------------------------------------------------------

int CompareWindow::selectedLine() const { return m_right->selectedRow(); }

void CompareWindow::selectLine(int line)
{
    lineSelected(line);
    if (line >= 0)
        m_right->scrollTo(m_rightModel->index(line, 0));
}

// Both lists select the line; the fields below follow.
void CompareWindow::lineSelected(int line)
{
    if (m_syncing)
        return;
    m_syncing = true;
    m_left->showSelectedRow(line);
    m_right->showSelectedRow(line);
    m_syncing = false;
    showFields();
}

void CompareWindow::showFields()
{
    const int line = selectedLine();
    if (line < 0 || static_cast<std::size_t>(line) >= m_comparison.lines.size())
        m_fieldsModel->show({});
    else
        m_fieldsModel->show(pst::compareFieldRows(m_comparison, otherInput(), editedInput(), line, m_options));
    updateTake();
}

void CompareWindow::nextDifference()
{
    goToDifference(pst::nextDifference(m_comparison, selectedLine()), QStringLiteral("No further difference"));
}

void CompareWindow::previousDifference()
{
    goToDifference(pst::previousDifference(m_comparison, selectedLine()), QStringLiteral("No earlier difference"));
}

// At the end the selection stays and the line at the bottom says so.
void CompareWindow::goToDifference(int line, const QString& none)
{
    if (line < 0)
        m_status->setText(none);
    else
        selectLine(line);
}

// --- taking from the other script ---------------------------------------------------------

void CompareWindow::updateTake()
{
    const int line = selectedLine();
    const bool differs = line >= 0 && static_cast<std::size_t>(line) < m_comparison.lines.size()
        && m_comparison.lines[static_cast<std::size_t>(line)].kind != pst::LineKind::Same;
    // A field chosen below: that field only, if it differs.
    const int field = selectedRow(*m_fields);
    // With no script loaded, nothing can come in (Insert needs its record size).
    const bool script = m_session.editor().recordSize() != 0;
    m_take->setEnabled(script && (field >= 0 ? m_fieldsModel->difference(field) != nullptr : differs));
}

void CompareWindow::takeFromOther()
{
    // The take must see the rows as they are, not as last compared.
    if (!comparedRowsAreCurrent())
        recompute();
    const int line = selectedLine();
    if (line < 0)
        return;
    const int fieldRow = selectedRow(*m_fields);
    const pst::FieldDifference* field = m_fieldsModel->difference(fieldRow);
    if (fieldRow >= 0 && !field)
        return;
    pst::TakeOutcome outcome;
    pst::Editor& editor = m_session.editor();
    m_session.run([&] { outcome = pst::takeFromOther(editor, m_comparison, otherInput(), editedInput(), line, field); },
                  pst::kTakeFromOther);
    recompute();
    if (!outcome.note.empty())
        m_status->setText(toDisplay(outcome.note));
}

// "22 steps in a.rpm, 23 in the editor: 1 removed, 2 added, 0 moved, 3 changed"
void CompareWindow::showSummary()
{
    QString text = QStringLiteral("%1 steps in %2, %3 in the editor: ")
                       .arg(m_other.rows.size())
                       .arg(fileName(m_path))
                       .arg(m_edited.size());
    if (m_comparison.identical()) {
        m_status->setText(text + QStringLiteral("no differences"));
        return;
    }
    const pst::CompareCounts n = pst::compareCounts(m_comparison);
    m_status->setText(text + QStringLiteral("%1 removed, %2 added, %3 moved, %4 changed")
                                 .arg(n.removed)
                                 .arg(n.added)
                                 .arg(n.moved)
                                 .arg(n.changed));
}

QString CompareWindow::statusText() const { return m_status->text(); }
