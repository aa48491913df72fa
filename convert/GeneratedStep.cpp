#include "convert/GeneratedStep.h"

#include "model/Editor.h"

namespace pst {

bool hasScriptModule(const Editor& editor)
{
    return !editor.image().empty() && editor.recordSize() != 0;
}

int insertStep(Editor& editor)
{
    const int before = editor.steps().size();
    editor.miInsertClick();
    if (editor.steps().size() == before)
        return StepList::kNone;
    return editor.steps().selected();
}

void writeStep(Editor& editor, int row, const StepRecord& record, SharedText caption, SharedText description)
{
    StepList& steps = editor.steps();
    if (!steps.valid(row))
        return;
    StepRow& target = steps.editRow(row);
    target.record = record;
    target.caption = std::move(caption);
    target.description = std::move(description);
    steps.recordChanged(row);
}

std::uint16_t ownStep(int row)
{
    return static_cast<std::uint16_t>(row + 1);
}

std::uint16_t nextStep(int row)
{
    return static_cast<std::uint16_t>(row + 2);
}

} // namespace pst
