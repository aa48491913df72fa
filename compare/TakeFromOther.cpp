#include "compare/TakeFromOther.h"

#include "compare/ScriptTake.h"
#include "model/Editor.h"
#include "model/Messages.h"

namespace pst {

namespace {

// Makes `row` the selected step with its bytes in the record buffer, so that
// the record write lands in it. The hex view's history of a step already
// selected stays.
void showRow(Editor& editor, int row)
{
    if (editor.steps().selected() == row)
        return;
    editor.selectAndShow(row);
    editor.lvScriptChange();
}

// The taken step's ID and description texts, as the other script shows them.
void takeTexts(Editor& editor, int row, const StepRow& from)
{
    editor.steps().editRows(row, row, [&](StepRow& target, int) {
        target.caption = from.caption;
        target.description = from.description;
    });
}

const StepRow& otherRow(const CompareInput& other, int row) { return other.rows[static_cast<std::size_t>(row)]; }

TakeOutcome takeField(Editor& editor, const ScriptComparison& c, const CompareInput& other, const CompareInput& edited,
                      int line, const FieldDifference& field)
{
    const auto [from, into] = ScriptComparison::pairRows(c.lines.at(static_cast<std::size_t>(line)));
    const std::optional<FieldEdit> edit = pst::takeField(c, other, edited, line, field, CompareSide::Right);
    if (!edit || from < 0 || into < 0)
        return {false, -1, field.kind == StepFieldKind::Link ? msg::takeLinkMissing(field.name) : std::string()};
    showRow(editor, into);
    if (editor.writeRecordBytes(edit->offset, edit->bytes).empty())
        return {};
    if (field.kind == StepFieldKind::TestId)
        takeTexts(editor, into, otherRow(other, from));
    if (field.kind == StepFieldKind::ErrorCode || field.kind == StepFieldKind::LogArea)
        editor.steps().setIcon(into, iconForErrorCode(editor.steps().row(into).record.errorCode(editor.layout())));
    return {true, into, {}};
}

TakeOutcome takeStep(Editor& editor, const ScriptComparison& c, const CompareInput& other, const CompareInput& edited,
                     int line)
{
    const std::optional<StepEdit> edit = pst::takeStep(c, other, edited, line, CompareSide::Right);
    if (!edit)
        return {};
    const int from = c.lines.at(static_cast<std::size_t>(line)).left;
    int row = edit->row;
    switch (edit->action) {
    case StepEdit::Action::Remove:
        showRow(editor, row);
        editor.miDeleteClick();
        return {true, editor.steps().selected(), {}};
    case StepEdit::Action::Replace: showRow(editor, row); break;
    case StepEdit::Action::Insert:
        // Insert puts its step behind the selected row: at the top with none.
        editor.selectAndShow(row - 1);
        row = editor.insertStep();
        if (row == StepList::kNone)
            return {};
        editor.lvScriptChange();
        break;
    }
    editor.writeRecordBytes(0, edit->record.bytes());
    takeTexts(editor, row, otherRow(other, from));
    return {true, row, edit->unlinked > 0 ? msg::takeUnlinked(edit->unlinked) : std::string()};
}

} // namespace

TakeOutcome takeFromOther(Editor& editor, const ScriptComparison& c, const CompareInput& other,
                          const CompareInput& edited, int line, const FieldDifference* field)
{
    // A comparison of rows the editor no longer has would write the wrong steps.
    if (line < 0 || static_cast<std::size_t>(line) >= c.lines.size()
        || edited.rows.size() != editor.steps().rows().size() || edited.recordSize != editor.recordSize())
        return {};
    if (field) {
        const CompareLine& l = c.lines[static_cast<std::size_t>(line)];
        // A moved step's differences belong to its line on the right.
        if (l.kind == LineKind::OnlyLeft && l.movedRow >= 0)
            line = c.rightLine.at(static_cast<std::size_t>(l.movedRow));
        return takeField(editor, c, other, edited, line, *field);
    }
    return takeStep(editor, c, other, edited, line);
}

} // namespace pst
