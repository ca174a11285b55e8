#pragma once
// An open registry key, closed when it goes. Predefined roots (HKEY_CURRENT_USER...) are never
// closed: only a key that Open or Create returned is owned.

#include <windows.h>

#include <string>

#include "base/Handles.h"

class TRegKey {
public:
    TRegKey() = default;

    // An empty key on failure; status tells why.
    static TRegKey Open(HKEY parent, const std::string& path, REGSAM access, LSTATUS* status = nullptr);
    static TRegKey Create(HKEY parent, const std::string& path, REGSAM access, LSTATUS* status = nullptr);

    HKEY Handle() const { return key_.Get(); }
    explicit operator bool() const { return static_cast<bool>(key_); }
    void Close() { key_.Close(); }

    struct TValueInfo {
        DWORD Type = REG_NONE;
        DWORD Size = 0;
    };
    // False when the value does not exist (or cannot be queried).
    bool QueryInfo(const std::string& name, TValueInfo& info) const;
    // The data as stored, whatever its type (given in type when asked); false when it cannot be read.
    bool ReadData(const std::string& name, std::string& data, DWORD* type = nullptr) const;
    // The name of the sub-key at index, whole however long; ERROR_NO_MORE_ITEMS past the last.
    LSTATUS SubKeyName(DWORD index, std::string& name) const;
    // REG_SZ, the terminating NUL counted in the size.
    LSTATUS WriteString(const std::string& name, const std::string& value) const;
    LSTATUS WriteDword(const std::string& name, DWORD value) const;

private:
    explicit TRegKey(HKEY key) : key_(key) {}

    TRegKeyHandle key_;
};
