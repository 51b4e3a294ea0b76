#pragma once
// Hands work from a worker thread to the user-interface thread, which runs it between events.

#include <functional>

namespace player {

class UiThread {
public:
    virtual ~UiThread() = default;
    // Safe to call from any thread; the task runs later on the user-interface thread.
    virtual void post(std::function<void()> task) = 0;
};

}  // namespace player
