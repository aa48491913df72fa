#include "convert/GeneratedStep.h"

#include "model/Editor.h"

namespace pst {

bool hasScriptModule(const Editor& editor)
{
    return !editor.image().empty() && editor.recordSize() != 0;
}

void writeStep(Editor& editor, int row, const StepRecord& record, SharedText caption, SharedText description)
{
    editor.steps().editRows(row, row, [&](StepRow& target, int) {
        target.record = record;
        target.caption = std::move(caption);
        target.description = std::move(description);
    });
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
