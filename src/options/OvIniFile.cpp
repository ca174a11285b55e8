#include "options/OvIniFile.h"

#include "options/OvOpts.h"

#include <windows.h>

namespace {

class THandle {
public:
    explicit THandle(HANDLE h) : h_(h) {}
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    ~THandle()
    {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// False when the file exists but cannot be read; a missing file reads as empty.
bool ReadWholeFile(const std::string& fileName, std::string& text)
{
    text.clear();
    THandle file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 16 * 1024 * 1024) return false;
    text.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!text.empty() && (!ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr) ||
                          read != text.size()))
        return false;
    return true;
}

// Through a temporary file beside it, so that a failed write leaves the old file whole.
bool WriteWholeFile(const std::string& fileName, const std::string& text)
{
    const std::string temp = fileName + ".tmp";
    {
        THandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                 nullptr));
        if (!file.Valid()) return false;
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size()) {
            DeleteFileA(temp.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temp.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

TOvIniFile::TOvIniFile(std::string fileName) : fileName_(std::move(fileName))
{
    std::string text;
    unreadable_ = !ReadWholeFile(fileName_, text);
    if (!unreadable_) document_.Parse(text);
}

bool TOvIniFile::OpenSection(const std::string& section, bool create)
{
    if (document_.HasSection(section)) return true;
    if (!create) return false;
    if (!TOvIniDocument::IsWritableSection(section)) throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
    document_.AddSection(section);
    Flush();
    return true;
}

std::string TOvIniFile::ReadString(const std::string& section, const std::string& name,
                                   const std::string& defaultValue) const
{
    return document_.Value(section, name).value_or(defaultValue);
}

std::int32_t TOvIniFile::ReadInteger(const std::string& section, const std::string& name,
                                     std::int32_t defaultValue) const
{
    return OvTextToInt(ReadString(section, name, std::string()), defaultValue);
}

void TOvIniFile::WriteString(const std::string& section, const std::string& name, const std::string& value)
{
    if (!TOvIniDocument::IsWritableSection(section) || !TOvIniDocument::IsWritable(name, value))
        throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
    document_.SetValue(section, name, value);
    Flush();
}

void TOvIniFile::WriteInteger(const std::string& section, const std::string& name, std::int32_t value)
{
    WriteString(section, name, std::to_string(value));
}

void TOvIniFile::Flush()
{
    if (unreadable_ || !WriteWholeFile(fileName_, document_.Text()))
        throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
}
