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

    // The folder chooser: the chosen folder ending with a separator, or empty when cancelled.
    virtual std::string chooseFolder(const std::string& title) {
        (void)title;
        return {};
    }

    // The save-file dialog with one filter (its description and pattern shown as given). It asks
    // for an existing folder and does not ask before replacing a file. Empty when cancelled.
    virtual std::string chooseSaveFile(const std::string& title, const std::string& filterDescription,
                                       const std::string& filterPattern) {
        (void)title, (void)filterDescription, (void)filterPattern;
        return {};
    }
};

}  // namespace platform
