#pragma once
// Ownership of loaded DLLs.
#include <windows.h>
#include <utility>

namespace win {

// Owns a module reference taken with LoadLibrary and frees it exactly once.
class Module {
public:
    Module() = default;
    explicit Module(HMODULE module) : module_(module) {}
    Module(Module &&other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    Module &operator=(Module &&other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.module_, nullptr));
        return *this;
    }
    Module(const Module &) = delete;
    Module &operator=(const Module &) = delete;
    ~Module() { reset(); }

    HMODULE get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }
    void reset(HMODULE module = nullptr)
    {
        if (module_)
            FreeLibrary(module_);
        module_ = module;
    }

    // The named export cast to the function type F, or null.
    template <typename F> F procedure(const char *name) const
    {
        return module_ ? reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(module_, name))) : nullptr;
    }

private:
    HMODULE module_ = nullptr;
};

// Loads a DLL from the system folder only, so that no copy planted beside the
// installer is picked up.
inline Module LoadSystemLibrary(const char *name)
{
    return Module(LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

} // namespace win
