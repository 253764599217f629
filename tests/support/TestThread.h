#pragma once
// A thread for tests that act from outside the thread under test. The
// toolchain's thread model is the system's own (no std::thread), so this runs
// the function on a Win32 thread and joins it when it goes out of scope.
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <utility>

namespace testing_support {

class TestThread {
public:
    explicit TestThread(std::function<void()> body) : body_(std::move(body))
    {
        handle_ = CreateThread(nullptr, 0, &TestThread::Run, this, 0, nullptr);
        if (!handle_)
            throw std::runtime_error("CreateThread failed");
    }
    TestThread(const TestThread &) = delete;
    TestThread &operator=(const TestThread &) = delete;
    ~TestThread() { join(); }

    void join()
    {
        if (!handle_)
            return;
        WaitForSingleObject(handle_, INFINITE);
        CloseHandle(std::exchange(handle_, nullptr));
    }

private:
    static DWORD WINAPI Run(void *self)
    {
        static_cast<TestThread *>(self)->body_();
        return 0;
    }

    std::function<void()> body_;
    HANDLE handle_ = nullptr;
};

} // namespace testing_support
