#include "base/RegKey.h"

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

bool TRegKey::QueryInfo(const std::string& name, TValueInfo& info) const
{
    if (!key_) return false;
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    info.Type = type;
    info.Size = size;
    return true;
}

bool TRegKey::ReadData(const std::string& name, std::string& data, DWORD* type) const
{
    if (!key_) return false;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return false;
        std::string buffer(size, '\0');
        LSTATUS rc = RegQueryValueExA(key_.Get(), name.c_str(), nullptr, type,
                                      reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return false;
        buffer.resize(size);
        data = std::move(buffer);
        return true;
    }
    return false;
}

LSTATUS TRegKey::SubKeyName(DWORD index, std::string& name) const
{
    if (!key_) return ERROR_INVALID_HANDLE;
    // Key names are at most 255 characters; should one ever be longer, the room grows to fit it.
    std::string buffer(256, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LSTATUS rc = RegEnumKeyExA(key_.Get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(buffer.size() * 8);
            continue;
        }
        if (rc == ERROR_SUCCESS) name.assign(buffer.data(), length);
        return rc;
    }
    return ERROR_MORE_DATA;
}

LSTATUS TRegKey::WriteString(const std::string& name, const std::string& value) const
{
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

LSTATUS TRegKey::WriteDword(const std::string& name, DWORD value) const
{
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key_.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}
