#include "platform/gtk/gtk_session.h"

#include <gtk/gtk.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform::gtk {
namespace {

std::atomic<bool> uiThreadKnown{false};
std::thread::id uiThread;

struct PendingCall {
    const std::function<void()>* function;
    std::mutex mutex;
    std::condition_variable doneSignal;
    bool done = false;
};

gboolean runPending(gpointer data) {
    auto* call = static_cast<PendingCall*>(data);
    (*call->function)();
    // Notified under the lock: the waiter owns the call and may free it as soon as it sees done.
    std::lock_guard lock(call->mutex);
    call->done = true;
    call->doneSignal.notify_one();
    return G_SOURCE_REMOVE;
}

}  // namespace

bool ensureStarted() {
    static const bool started = [] {
        uiThread = std::this_thread::get_id();
        uiThreadKnown = true;
        return static_cast<bool>(gtk_init_check(nullptr, nullptr));
    }();
    return started;
}

void drainEvents() {
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
}

bool onUiThread() { return !uiThreadKnown || std::this_thread::get_id() == uiThread; }

void runOnUiThread(const std::function<void()>& function) {
    if (onUiThread()) {
        function();
        return;
    }
    PendingCall call{&function, {}, {}, false};
    g_main_context_invoke(nullptr, runPending, &call);
    std::unique_lock lock(call.mutex);
    call.doneSignal.wait(lock, [&] { return call.done; });
}

}  // namespace platform::gtk
