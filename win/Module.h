#pragma once
// Ownership of loaded DLLs.
#include <windows.h>

#include <string>
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
// installer is picked up. Windows 7 without the loader update refuses the
// search flag; there the DLL is named by its full path in the system folder.
inline Module LoadSystemLibrary(const char *name)
{
    if (HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return Module(module);
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return Module();
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return Module();
    const std::string path = std::string(folder, length) + "\\" + name;
    return Module(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace win
