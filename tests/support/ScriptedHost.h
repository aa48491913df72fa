#pragma once
// A host for tests: dialogs answered from a script, everything shown recorded.

#include "model/Host.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pst::test {

struct ShownDialog {
    bool save = false;
    DialogPurpose purpose{};
    std::optional<std::uint16_t> moduleId;
    std::string filter;
    std::string fileName;
};

class ScriptedHost : public Host {
public:
    // Answers of the next dialogs, in order; nullopt cancels. When the queue is
    // empty, module dialogs and questions are answered from moduleFiles by id,
    // and everything else is cancelled.
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::map<std::uint16_t, std::string> moduleFiles;
    bool ctrl = false;
    // Answers of "Save changes to the script?", in order; Discard when empty.
    std::deque<SaveChangesAnswer> saveChangesAnswers;
    int saveChangesAsked = 0;
    // The files "<file> changed on disk since it was loaded. Replace it?"
    // was asked about; always answered Replace.
    std::vector<std::string> replaceAsked;
    // The module files the script was said to come from, in order.
    std::vector<std::string> moduleFilesNamed;
    // The resources the host carries; unset: the template built in code.
    std::function<std::optional<Bytes>(std::string_view)> resources;

    std::vector<ShownDialog> dialogs;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> titles;
    std::string status;
    std::string custom;
    int pumps = 0;
    int scrolledTo = -1;
    int scriptsReplaced = 0;
    std::vector<bool> modifiedReports;
    int scriptChanges = 0;

    std::optional<std::string> openDialog(const DialogRequest& request) override;
    std::optional<std::string> saveDialog(const DialogRequest& request) override;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showError(const std::string& text) override { errors.push_back(text); }
    bool ctrlHeld() override { return ctrl; }
    SaveChangesAnswer askSaveChanges() override
    {
        ++saveChangesAsked;
        if (saveChangesAnswers.empty())
            return SaveChangesAnswer::Discard;
        const SaveChangesAnswer a = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return a;
    }
    bool askReplaceChangedFile(const std::string& path) override
    {
        replaceAsked.push_back(path);
        return true;
    }
    void moduleFileNamed(const std::string& path) override { moduleFilesNamed.push_back(path); }
    void pumpMessages() override { ++pumps; }
    std::optional<Bytes> findResource(std::string_view name) override
    {
        return resources ? resources(name) : Host::findResource(name);
    }

    void titleChanged(const std::string& title) override { titles.push_back(title); }
    void statusChanged(const std::string& text) override { status = text; }
    void customTextChanged(const std::string& text) override { custom = text; }
    void scrollToRow(int row) override { scrolledTo = row; }
    void scriptReplaced() override { ++scriptsReplaced; }
    void modifiedChanged(bool modified) override { modifiedReports.push_back(modified); }
    void scriptChanged() override { ++scriptChanges; }

private:
    std::optional<std::string> answer(std::deque<std::optional<std::string>>& queue, const DialogRequest& request);
};

} // namespace pst::test
