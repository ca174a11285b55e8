#include "base/WinFileAccess.h"

#include <windows.h>

#include <algorithm>

#include "base/Handles.h"

namespace {

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

TFileFault FaultOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return TFileFault::Missing;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return TFileFault::Locked;
    default:
        return TFileFault::Other;
    }
}

}  // namespace

std::string SystemErrorText(unsigned long error)
{
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : "error " + std::to_string(error);
    if (buffer) LocalFree(buffer);
    text.erase(text.find_last_not_of(" \r\n.") + 1);
    return text;
}

bool TWinFileAccess::ReadWholeFile(const std::string& path, TBytes& contents)
{
    contents.clear();
    TKernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        DWORD error = GetLastError();
        return Failed(FaultOf(error), SystemErrorText(error));
    }
    // Read until the end rather than trusting the size, which may change under us.
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
            DWORD error = GetLastError();
            return Failed(error == ERROR_LOCK_VIOLATION ? TFileFault::Locked : TFileFault::Other,
                          SystemErrorText(error));
        }
        if (read == 0) return Succeeded();
        contents.insert(contents.end(), buffer, buffer + read);
    }
}

bool TWinFileAccess::ReplaceWholeFile(const std::string& path, const TBytes& contents)
{
    char temp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(path).c_str(), "dvz", 0, temp) == 0) {
        DWORD error = GetLastError();
        return Failed(TFileFault::Other, SystemErrorText(error));
    }
    auto fail = [&](TFileFault fault, DWORD error) {
        DeleteFileA(temp);
        return Failed(fault, SystemErrorText(error));
    };

    TKernelHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool written = file && WriteAll(file.Get(), contents) && FlushFileBuffers(file.Get());
    DWORD error = GetLastError();
    written = file.Close() && written;
    if (!written) return fail(TFileFault::Other, error);

    // Files copied from a CD or unpacked come read-only, and a read-only file can't be replaced:
    // the user never meant to freeze the clock's own data.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly && !SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
        return fail(TFileFault::ReadOnly, GetLastError());
    if (MoveOver(temp, path)) return Succeeded();
    error = GetLastError();
    if (readOnly) SetFileAttributesA(path.c_str(), attributes);
    return fail(FaultOf(error) == TFileFault::Missing ? TFileFault::Other : FaultOf(error), error);
}

bool TWinFileAccess::MoveOver(const std::string& temp, const std::string& path)
{
    return MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
