#include "platform/gtk/gtk_session.h"

#include <gtk/gtk.h>

namespace platform::gtk {

bool ensureStarted() {
    static const bool started = gtk_init_check(nullptr, nullptr);
    return started;
}

void drainEvents() {
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
}

}  // namespace platform::gtk
