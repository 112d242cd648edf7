// GoogleTest, built with the win32 thread model of the cross compiler, which has no
// std::mutex: the one class of its own that needs one, the Notification its threading helpers
// wait on, is given here on an atomic flag instead. The tests themselves run on one thread.
#pragma once

#include <atomic>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { m_notified.store(true); }
    void WaitForNotification() {
        while (!m_notified.load()) {
        }
    }

private:
    std::atomic<bool> m_notified{false};
};

}  // namespace internal
}  // namespace testing
