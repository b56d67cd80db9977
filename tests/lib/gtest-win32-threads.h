// GoogleTest wants std::mutex for its Notification helper, which the win32
// thread model of this mingw-w64 does not have. A Win32 event does the same.
#pragma once
#ifdef _WIN32
#include <windows.h>
#define GTEST_HAS_NOTIFICATION_ 1
namespace testing {
namespace internal {
class Notification {
public:
    Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};
}  // namespace internal
}  // namespace testing
#endif
