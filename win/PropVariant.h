#pragma once
// Ownership of a PROPVARIANT, cleared exactly once, and its value read as text,
// integer or boolean.
#include "win/OleAuto.h"

#include <windows.h>

#include <propidl.h>

#include <cstdint>
#include <string>

namespace win {

class PropVariant {
public:
    PropVariant() { PropVariantInit(&value_); }
    PropVariant(const PropVariant &) = delete;
    PropVariant &operator=(const PropVariant &) = delete;
    ~PropVariant() { PropVariantClear(&value_); }

    PROPVARIANT *get() { return &value_; }

    // Empty unless the value is a string.
    std::wstring AsText() const
    {
        return value_.vt == VT_BSTR && value_.bstrVal ? std::wstring(value_.bstrVal, BstrLength(value_.bstrVal))
                                                      : std::wstring();
    }
    // Any integer type, cut to 32 bits; 0 for other types.
    int32_t AsInteger() const
    {
        switch (value_.vt) {
        case VT_UI8: return static_cast<int32_t>(value_.uhVal.QuadPart);
        case VT_I8: return static_cast<int32_t>(value_.hVal.QuadPart);
        case VT_UI4: return static_cast<int32_t>(value_.ulVal);
        case VT_I4: return value_.lVal;
        case VT_UI2: return value_.uiVal;
        case VT_I2: return value_.iVal;
        case VT_UI1: return value_.bVal;
        default: return 0;
        }
    }
    bool AsBoolean() const { return value_.vt == VT_BOOL && value_.boolVal != VARIANT_FALSE; }

private:
    PROPVARIANT value_;
};

} // namespace win
