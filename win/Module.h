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

// Every run-time load of the program goes through the three functions below;
// no other code names the loader's search flags.

// No DLL loaded at run time is taken from the installer's folder (a Downloads
// folder where a copy can be planted): the default search is the system folder.
// Call first thing at start-up.
void SearchDllsInTheSystemFolderOnly();

// Loads a DLL from the system folder only, so that no copy planted beside the
// installer is picked up.
Module LoadSystemLibrary(const char *name);

// Loads the DLL at that path (made full); its own imports come from the
// system folder.
Module LoadLibraryByFullPath(const std::string &path);

} // namespace win
