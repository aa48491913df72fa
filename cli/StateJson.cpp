#include "cli/StateJson.h"

#include "model/Editor.h"
#include "model/TextDecode.h"

namespace pst::cli {

namespace {

std::string lowerHex(ByteView bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (Byte b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

nlohmann::ordered_json stepJson(const StepRow& row)
{
    nlohmann::ordered_json step;
    step["id"] = displayText(row.caption);
    step["description"] = displayText(row.description);
    if (row.icon == StepIcon::None)
        step["icon"] = nullptr;
    else
        step["icon"] = static_cast<int>(row.icon);
    step["record"] = lowerHex(row.record.bytes());
    return step;
}

} // namespace

nlohmann::ordered_json stateJson(const Editor& editor)
{
    nlohmann::ordered_json state;
    state["title"] = displayText(editor.title());
    state["layout"] = std::string(layoutName(editor.layout()));
    state["recordSize"] = editor.recordSize();
    state["maxStepCount"] = editor.maxStepCount();
    state["imageSize"] = editor.image().size();
    state["modId"] = displayText(editor.modIdText());
    state["selected"] = editor.steps().selected() + 1;
    state["status"] = displayText(editor.status());
    state["family"] = displayText(editor.familyText());
    state["custom"] = displayText(editor.customText());
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const StepRow& row : editor.steps().rows())
        steps.push_back(stepJson(row));
    state["steps"] = std::move(steps);
    state["modified"] = editor.modified();
    // The captions of the steps Undo and Redo would take.
    for (const auto& [key, caption] : {std::pair{"undo", editor.history().undoCaption()},
                                       std::pair{"redo", editor.history().redoCaption()}}) {
        if (caption.empty())
            state[key] = nullptr;
        else
            state[key] = std::string(caption);
    }
    return state;
}

} // namespace pst::cli
