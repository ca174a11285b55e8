#include "base/RegKey.h"

TRegKey& TRegKey::operator=(TRegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

TRegKey TRegKey::Open(HKEY parent, const std::string& path, REGSAM access, LSTATUS* status)
{
    HKEY key = nullptr;
    LSTATUS rc = RegOpenKeyExA(parent, path.c_str(), 0, access, &key);
    if (status) *status = rc;
    return TRegKey(rc == ERROR_SUCCESS ? key : nullptr);
}

TRegKey TRegKey::Create(HKEY parent, const std::string& path, REGSAM access, LSTATUS* status)
{
    HKEY key = nullptr;
    LSTATUS rc = RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                 &key, nullptr);
    if (status) *status = rc;
    return TRegKey(rc == ERROR_SUCCESS ? key : nullptr);
}

void TRegKey::Close()
{
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool TRegKey::QueryInfo(const std::string& name, TValueInfo& info) const
{
    if (!key_) return false;
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    info.Type = type;
    info.Size = size;
    return true;
}

bool TRegKey::ReadData(const std::string& name, std::string& data) const
{
    if (!key_) return false;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return false;
        std::string buffer(size, '\0');
        LSTATUS rc = RegQueryValueExA(key_, name.c_str(), nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return false;
        buffer.resize(size);
        data = std::move(buffer);
        return true;
    }
    return false;
}

LSTATUS TRegKey::WriteString(const std::string& name, const std::string& value) const
{
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

LSTATUS TRegKey::WriteDword(const std::string& name, DWORD value) const
{
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}
