#include "alarms/WinFileAccess.h"

#include <windows.h>

#include <algorithm>

namespace {

class THandle {
public:
    explicit THandle(HANDLE handle) : handle_(handle) {}
    ~THandle() { Close(); }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close()
    {
        if (!Valid()) return true;
        BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed != FALSE;
    }

private:
    HANDLE handle_;
};

std::string FolderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of("\\/:");
    if (slash == std::string::npos) return ".";
    return path.substr(0, slash + 1);
}

bool WriteAll(HANDLE file, const TBytes& contents)
{
    std::size_t done = 0;
    while (done < contents.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, contents.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

bool TWinFileAccess::ReadWholeFile(const std::string& path, TBytes& contents)
{
    contents.clear();
    THandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return false;
    // Read until the end rather than trusting the size, which may change under us.
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return false;
        if (read == 0) return true;
        contents.insert(contents.end(), buffer, buffer + read);
    }
}

bool TWinFileAccess::ReplaceWholeFile(const std::string& path, const TBytes& contents)
{
    char temp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(path).c_str(), "dvz", 0, temp) == 0) return false;

    THandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool written = file.Valid() && WriteAll(file.Get(), contents) && FlushFileBuffers(file.Get());
    written = file.Close() && written;
    if (written && MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp);
    return false;
}
