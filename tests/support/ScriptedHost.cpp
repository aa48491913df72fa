#include "support/ScriptedHost.h"

namespace pst::test {

std::optional<std::string> ScriptedHost::answer(std::deque<std::optional<std::string>>& queue,
                                                const DialogRequest& request)
{
    if (!queue.empty()) {
        auto a = queue.front();
        queue.pop_front();
        return a;
    }
    const bool moduleDialog = request.purpose == DialogPurpose::ReadModule || request.purpose == DialogPurpose::ConfirmModule;
    if (moduleDialog && request.moduleId) {
        const auto it = moduleFiles.find(*request.moduleId);
        if (it != moduleFiles.end())
            return it->second;
    }
    return std::nullopt;
}

std::optional<std::string> ScriptedHost::openDialog(const DialogRequest& request)
{
    dialogs.push_back({false, request.purpose, request.moduleId, request.dialog.filter, request.dialog.fileName});
    return answer(openAnswers, request);
}

std::optional<std::string> ScriptedHost::saveDialog(const DialogRequest& request)
{
    dialogs.push_back({true, request.purpose, request.moduleId, request.dialog.filter, request.dialog.fileName});
    return answer(saveAnswers, request);
}

} // namespace pst::test
