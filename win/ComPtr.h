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
    explicit ComPtr(T *object) : object_(object)
    {
        if (object_)
            object_->AddRef();
    }
    ComPtr(const ComPtr &other) : ComPtr(other.object_) {}
    ComPtr(ComPtr &&other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() { reset(); }

    T *get() const { return object_; }
    T *operator->() const { return object_; }
    T &operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

    void reset()
    {
        if (object_)
            std::exchange(object_, nullptr)->Release();
    }
    // The slot for an out parameter that hands over a reference; the
    // reference held so far is released first.
    T **put()
    {
        reset();
        return &object_;
    }
    // Gives the reference to the caller, who must release it.
    T *detach() { return std::exchange(object_, nullptr); }

private:
    T *object_ = nullptr;
};

} // namespace win
