#include <gtk/gtk.h>

#include <cstdio>

#include <string>

#include "platform/gtk/gtk_session.h"
#include "platform/native.h"
#include "platform/text/codepage.h"

namespace platform {
namespace {

GtkMessageType messageType(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return GTK_MESSAGE_INFO;
    case MessageIcon::Warning: return GTK_MESSAGE_WARNING;
    case MessageIcon::Question: return GTK_MESSAGE_QUESTION;
    case MessageIcon::Error: return GTK_MESSAGE_ERROR;
    case MessageIcon::None: break;
    }
    return GTK_MESSAGE_OTHER;
}

// A file chooser's answer as the system's text; empty when cancelled.
std::string runChooser(GtkWidget* dialog) {
    std::string answer;
    // Enter in the name or location field accepts, as in the system's own dialogs.
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (char* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog))) {
            answer = utf8ToCp1251(name);
            g_free(name);
        }
    }
    gtk_widget_destroy(dialog);
    gtk::drainEvents();
    return answer;
}

class GtkDialogs final : public Dialogs {
public:
    // Boxes asked for by a worker thread are shown by the user-interface thread, which alone
    // touches GTK; the worker waits for the answer as it would for its own box.
    MessageAnswer messageBox(const std::string& caption, const std::string& text, MessageButtons buttons,
                             MessageIcon icon) override {
        MessageAnswer answer = MessageAnswer::Closed;
        gtk::runOnUiThread([&] { answer = showMessage(caption, text, buttons, icon); });
        return answer;
    }

    std::string chooseFolder(const std::string& title) override {
        std::string answer;
        gtk::runOnUiThread([&] {
            if (!gtk::ensureStarted())
                return;
            GtkWidget* dialog = gtk_file_chooser_dialog_new(
                cp1251ToUtf8(title).c_str(), nullptr, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, "_Отмена",
                GTK_RESPONSE_CANCEL, "_Выбрать", GTK_RESPONSE_ACCEPT, nullptr);
            gtk_file_chooser_set_create_folders(GTK_FILE_CHOOSER(dialog), TRUE);
            answer = runChooser(dialog);
        });
        if (!answer.empty() && answer.back() != '/')
            answer += '/';
        return answer;
    }

    std::string chooseSaveFile(const std::string& title, const std::string& filterDescription,
                               const std::string& filterPattern) override {
        std::string answer;
        gtk::runOnUiThread([&] {
            if (!gtk::ensureStarted())
                return;
            GtkWidget* dialog = gtk_file_chooser_dialog_new(cp1251ToUtf8(title).c_str(), nullptr,
                                                            GTK_FILE_CHOOSER_ACTION_SAVE, "_Отмена",
                                                            GTK_RESPONSE_CANCEL, "_Сохранить", GTK_RESPONSE_ACCEPT,
                                                            nullptr);
            // An existing file is replaced without a question, as the builder always did.
            gtk_file_chooser_set_do_overwrite_confirmation(GTK_FILE_CHOOSER(dialog), FALSE);
            GtkFileFilter* filter = gtk_file_filter_new();
            gtk_file_filter_set_name(filter, cp1251ToUtf8(filterDescription).c_str());
            gtk_file_filter_add_pattern(filter, cp1251ToUtf8(filterPattern).c_str());
            gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), filter);
            answer = runChooser(dialog);
        });
        return answer;
    }

private:
    static MessageAnswer showMessage(const std::string& caption, const std::string& text, MessageButtons buttons,
                                     MessageIcon icon) {
        const std::string utf8Caption = cp1251ToUtf8(caption);
        const std::string utf8Text = cp1251ToUtf8(displayLineBreaks(text));
        if (!gtk::ensureStarted()) {
            // Without a display nobody can answer: say what the box said and take no action.
            std::fprintf(stderr, "%s: %s\n", utf8Caption.c_str(), utf8Text.c_str());
            return MessageAnswer::Closed;
        }
        GtkWidget* dialog = gtk_message_dialog_new(
            nullptr, GTK_DIALOG_MODAL, messageType(icon),
            buttons == MessageButtons::YesNo ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s", utf8Text.c_str());
        gtk_window_set_title(GTK_WINDOW(dialog), utf8Caption.c_str());
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
        gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
        // The first button is the default, as in the system's own message boxes.
        gtk_dialog_set_default_response(GTK_DIALOG(dialog),
                                        buttons == MessageButtons::YesNo ? GTK_RESPONSE_YES : GTK_RESPONSE_OK);
        const int response = gtk_dialog_run(GTK_DIALOG(dialog));
        gtk_widget_destroy(dialog);
        gtk::drainEvents();
        switch (response) {
        case GTK_RESPONSE_OK: return MessageAnswer::Ok;
        case GTK_RESPONSE_YES: return MessageAnswer::Yes;
        case GTK_RESPONSE_NO: return MessageAnswer::No;
        default: return MessageAnswer::Closed;
        }
    }
};

}  // namespace

Dialogs& nativeDialogs() {
    static GtkDialogs dialogs;
    return dialogs;
}

}  // namespace platform
