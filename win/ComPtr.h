#pragma once
// Ownership of COM interface references.
#include <unknwn.h>
#include <utility>

namespace win {

// Owns one reference to a COM interface and releases it exactly once.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    // Takes a new reference to an object the caller keeps its own hold on.
    explicit ComPtr(T *object) : pointer_(object)
    {
        if (pointer_)
            pointer_->AddRef();
    }
    ComPtr(const ComPtr &other) : ComPtr(other.pointer_) {}
    ComPtr(ComPtr &&other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { reset(); }

    T *get() const { return pointer_; }
    T *operator->() const { return pointer_; }
    T &operator*() const { return *pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    void reset()
    {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

    // The out-parameter of a call that hands back a new reference; the
    // reference held so far is released first.
    void **put()
    {
        reset();
        return reinterpret_cast<void **>(&pointer_);
    }

    // Gives the reference to the caller, who must release it.
    T *detach() { return std::exchange(pointer_, nullptr); }

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
