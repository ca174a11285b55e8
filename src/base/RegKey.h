#pragma once
// An open registry key, closed when it goes. Predefined roots (HKEY_CURRENT_USER...) are never
// closed: only a key that Open or Create returned is owned.

#include <windows.h>

#include <string>

class TRegKey {
public:
    TRegKey() = default;
    TRegKey(TRegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    TRegKey& operator=(TRegKey&& other) noexcept;
    TRegKey(const TRegKey&) = delete;
    TRegKey& operator=(const TRegKey&) = delete;
    ~TRegKey() { Close(); }

    // An empty key on failure; status tells why.
    static TRegKey Open(HKEY parent, const std::string& path, REGSAM access, LSTATUS* status = nullptr);
    static TRegKey Create(HKEY parent, const std::string& path, REGSAM access, LSTATUS* status = nullptr);

    HKEY Handle() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    void Close();

    struct TValueInfo {
        DWORD Type = REG_NONE;
        DWORD Size = 0;
    };
    // False when the value does not exist (or cannot be queried).
    bool QueryInfo(const std::string& name, TValueInfo& info) const;
    // The data as stored, whatever its type; false when it cannot be read.
    bool ReadData(const std::string& name, std::string& data) const;
    // REG_SZ, the terminating NUL counted in the size.
    LSTATUS WriteString(const std::string& name, const std::string& value) const;
    LSTATUS WriteDword(const std::string& name, DWORD value) const;

private:
    explicit TRegKey(HKEY key) : key_(key) {}

    HKEY key_ = nullptr;
};
