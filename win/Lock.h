#pragma once
// A lock that threads of one process share, on the system's slim reader/writer
// lock: it needs no kernel object and nothing to free.
#include <windows.h>

namespace win {

class Lock {
public:
    Lock() = default;
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    // Usable with std::lock_guard.
    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

} // namespace win
