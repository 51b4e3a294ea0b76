#pragma once
// Modal message boxes. Texts are code page 1251; "\r" and "\n\r" break lines.
// Call on the user-interface thread.

#include <string>

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning, Question, Error };
// Closed: the box went away without a button (its window was closed, or no display exists).
enum class MessageAnswer { Ok, Yes, No, Closed };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer messageBox(const std::string& caption, const std::string& text,
                                     MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace platform
