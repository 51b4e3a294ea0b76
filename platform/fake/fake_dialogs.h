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
};

}  // namespace platform::fake
