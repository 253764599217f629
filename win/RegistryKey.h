#pragma once
// Ownership of open registry keys.
#include <windows.h>
#include <utility>

namespace win {

// Owns an open registry key and closes it exactly once.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    RegistryKey(RegistryKey &&other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegistryKey &operator=(RegistryKey &&other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.key_, nullptr));
        return *this;
    }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;
    ~RegistryKey() { reset(); }

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    void reset(HKEY key = nullptr)
    {
        if (key_)
            RegCloseKey(key_);
        key_ = key;
    }

private:
    HKEY key_ = nullptr;
};

// Opens the sub-key with full access, creating it and any missing parent;
// empty on failure.
inline RegistryKey CreateRegistryKey(HKEY parent, const char *subKey)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return {};
    return RegistryKey(key);
}

} // namespace win
