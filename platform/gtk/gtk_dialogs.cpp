#include <gtk/gtk.h>

#include <cstdio>

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

class GtkDialogs final : public Dialogs {
public:
    MessageAnswer messageBox(const std::string& caption, const std::string& text, MessageButtons buttons,
                             MessageIcon icon) override {
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
