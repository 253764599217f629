#pragma once
// Ownership of COM interface references.
#include <unknwn.h>
#include <utility>

namespace win {

// Owns one reference to a COM interface and releases it exactly once.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr &&other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr &operator=(ComPtr &&other) noexcept
    {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    ~ComPtr() { reset(); }

    T *get() const { return pointer_; }
    T *operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // The out-parameter of a call that hands back a new reference.
    void **put()
    {
        reset();
        return reinterpret_cast<void **>(&pointer_);
    }

    void reset()
    {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

    // Another interface of the same object; empty when it is not offered.
    template <typename U> ComPtr<U> query(REFIID iid) const
    {
        ComPtr<U> other;
        if (pointer_ && FAILED(pointer_->QueryInterface(iid, other.put())))
            other.reset();
        return other;
    }

private:
    T *pointer_ = nullptr;
};

} // namespace win
