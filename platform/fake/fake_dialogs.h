#pragma once
// Message boxes answered from a script; every box shown is recorded.

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace platform::fake {

struct ShownMessage {
    std::string caption;
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
};

class FakeDialogs final : public Dialogs {
public:
    // Answers given in order; when they run out, Yes for a question and Ok otherwise.
    std::deque<MessageAnswer> answers;
    std::vector<ShownMessage> shown;
    // Answers of the folder chooser and the save dialog, in order; empty (cancelled) when out.
    std::deque<std::string> folderAnswers;
    std::deque<std::string> saveAnswers;
    std::vector<std::string> chooserTitles;

    MessageAnswer messageBox(const std::string& caption, const std::string& text, MessageButtons buttons,
                             MessageIcon icon) override {
        shown.push_back({caption, text, buttons, icon});
        if (!answers.empty()) {
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::string chooseFolder(const std::string& title) override { return next(title, folderAnswers); }
    std::string chooseSaveFile(const std::string& title, const std::string&, const std::string&) override {
        return next(title, saveAnswers);
    }

private:
    std::string next(const std::string& title, std::deque<std::string>& answers) {
        chooserTitles.push_back(title);
        if (answers.empty())
            return {};
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace platform::fake
