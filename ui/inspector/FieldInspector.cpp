#include "ui/inspector/FieldInspector.h"

#include "convert/StepFieldInfo.h"
#include "model/Editor.h"
#include "model/LinkTarget.h"
#include "model/Messages.h"
#include "ui/common/DisplayText.h"
#include "ui/hexview/HexView.h"
#include "ui/inspector/FieldTableModel.h"
#include "ui/inspector/FieldTableView.h"

#include <QtCore/QEvent>

#include <algorithm>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

FieldInspector::FieldInspector(pst::Editor& editor, CommandRunner run, HexView& hex, QAbstractItemView& stepList,
                               QWidget* parent)
    : QWidget(parent), m_editor(editor), m_run(std::move(run)), m_hex(hex)
{
    setObjectName(QStringLiteral("fieldInspector"));
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lbFieldStep"));
    m_heading->setTextFormat(Qt::PlainText);
    m_model = new FieldTableModel(this);
    m_model->setWriter(
        [this](int row, const QString& text, pst::FieldBase base) { return writeField(row, text, base); });
    m_table = new FieldTableView(this);
    m_table->setObjectName(QStringLiteral("tvFields"));
    m_table->setModel(m_model);
    m_table->setRowAction([this](int row) { return followLink(row); });
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("lbFieldError"));
    m_error->setTextFormat(Qt::PlainText);
    m_error->setWordWrap(true);
    m_error->setStyleSheet(QStringLiteral("color: red"));
    m_error->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_heading);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_error);
    connectSources(stepList);
}

// Whatever changes the shown bytes, the rows the links point to or the
// selected step decodes again; the caret and the table follow each other.
void FieldInspector::connectSources(QAbstractItemView& stepList)
{
    connect(&m_hex, &HexView::bytesChanged, this, &FieldInspector::refresh);
    connect(&m_hex, &HexView::cursorMoved, this, &FieldInspector::followCaret);
    QAbstractItemModel* steps = stepList.model();
    connect(steps, &QAbstractItemModel::dataChanged, this, &FieldInspector::refresh);
    connect(steps, &QAbstractItemModel::rowsInserted, this, &FieldInspector::refresh);
    connect(steps, &QAbstractItemModel::rowsRemoved, this, &FieldInspector::refresh);
    connect(steps, &QAbstractItemModel::rowsMoved, this, &FieldInspector::refresh);
    connect(steps, &QAbstractItemModel::modelReset, this, [this] {
        m_stepsReplaced = true;
        refresh();
    });
    connect(stepList.selectionModel(), &QItemSelectionModel::selectionChanged, this, &FieldInspector::refresh);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    fieldChosen(current.row());
            });
}

QString FieldInspector::heading() const { return m_heading->text(); }

QString FieldInspector::errorText() const { return m_error->text(); }

int FieldInspector::currentField() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void FieldInspector::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_watchingWindow && window() != this) {
        window()->installEventFilter(this);
        m_watchingWindow = true;
    }
    refresh();
}

bool FieldInspector::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == window())
        m_table->commitEditor();
    return QWidget::eventFilter(watched, event);
}

// An editor still open when the inspector goes (the window destroyed
// without a close) writes nothing as it is torn down.
FieldInspector::~FieldInspector() { m_model->setWriter({}); }

void FieldInspector::refresh()
{
    if (isHidden())
        return;
    const pst::StepList& steps = m_editor.steps();
    const int sel = steps.selected();
    if (sel != m_shownStep || m_stepsReplaced) {
        m_shownStep = sel;
        m_stepsReplaced = false;
        m_table->cancelEditor();
        showError({});
    }
    // The view keeps the last record's bytes when nothing is selected; they
    // belong to no step then, and editing them would change nothing.
    std::vector<pst::StepFieldInfo> fields;
    const pst::Bytes& shownBytes = m_editor.recordBuffer().bytes();
    if (steps.valid(sel) && !steps.row(sel).record.empty() && !shownBytes.empty()) {
        const pst::StepRecord shown{shownBytes};
        fields = pst::describeStepFields(shown, m_editor.layout(), steps, m_editor.catalogs());
        const pst::StepRow& row = steps.row(sel);
        const std::string name = row.description.empty() ? row.caption.str() : row.caption.str() + " " + row.description.str();
        m_heading->setText(QStringLiteral("Step %1: ").arg(sel + 1) + toDisplay(name));
    } else {
        m_heading->setText(QStringLiteral("No step selected"));
    }
    m_model->setFields(std::move(fields));
    followCaret(m_hex.cursorOffset());
}

// An open editor keeps its row: moving the current row would commit it.
void FieldInspector::followCaret(qint64 offset)
{
    if (m_table->isEditing())
        return;
    const std::optional<std::size_t> i =
        offset < 0 ? std::nullopt : pst::fieldIndexAt(m_model->fields(), static_cast<std::size_t>(offset));
    if (!i) {
        m_table->clearSelection();
        return;
    }
    const int row = static_cast<int>(*i);
    if (row != currentField())
        m_table->setCurrentIndex(m_model->index(row, FieldTableModel::HexColumn));
}

void FieldInspector::fieldChosen(int row)
{
    const pst::StepFieldInfo* field = m_model->field(row);
    const qint64 caret = m_hex.cursorOffset();
    if (field && (caret < 0 || !field->contains(static_cast<std::size_t>(caret))))
        m_hex.setCursorOffset(static_cast<qint64>(field->offset));
}

bool FieldInspector::writeField(int row, const QString& text, pst::FieldBase base)
{
    const pst::StepFieldInfo* field = m_model->field(row);
    if (!field || !field->editable())
        return false;
    const pst::FieldValue typed = pst::parseFieldValue(text.toStdString(), field->width, base);
    if (!typed.ok) {
        showError(qtText(pst::msg::fieldValueRefused(field->name, field->offset, typed.error)));
        return false;
    }
    showError({});
    if (typed.value == *field->value)
        return true;
    const pst::Bytes bytes = pst::fieldBytes(typed.value, field->width);
    bool written = false;
    // The step is named after the field: "Edit TEST_ARG".
    m_run([&] { written = !m_editor.writeRecordBytes(field->offset, bytes).empty(); }, "Edit " + field->name);
    return written;
}

namespace {
bool isLink(const pst::StepFieldInfo& field)
{
    return field.width == 2 && std::ranges::find(pst::field::kLinks, field.offset) != pst::field::kLinks.end();
}
} // namespace

bool FieldInspector::followLink(int row)
{
    const pst::StepFieldInfo* field = m_model->field(row);
    if (!field || !field->value || !isLink(*field))
        return false;
    const auto link = static_cast<std::uint16_t>(*field->value);
    const int target = pst::linkTargetRow(link, m_editor.steps());
    if (target == pst::StepList::kNone) {
        showError(qtText(field->name + ": " + pst::linkTargetText(link, m_editor.steps()) + "; it leads nowhere"));
        return true;
    }
    showError({});
    emit linkFollowed(target);
    return true;
}

void FieldInspector::showError(const QString& text)
{
    m_error->setText(text);
    m_error->setVisible(!text.isEmpty());
}
