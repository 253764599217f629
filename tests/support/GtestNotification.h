#pragma once
// Google Test's thread-safe build waits for its threads with a Notification
// it builds on std::mutex, which the toolchain's C++ library (system threads,
// see cmake/mingw-common.cmake) does not have. This one, on a manual-reset
// event, takes its place; GTEST_HAS_NOTIFICATION_ tells Google Test so.
#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification &) = delete;
    Notification &operator=(const Notification &) = delete;
    ~Notification() { CloseHandle(event_); }

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

} // namespace testing::internal
