#include "app/SingleInstance.h"

#include <cstring>

namespace {

std::string Normalised(const std::string& folder)
{
    std::string full(MAX_PATH, '\0');
    DWORD n = GetFullPathNameA(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.resize(n);
        n = GetFullPathNameA(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    full.resize(n < full.size() ? n : 0);
    if (full.empty()) full = folder;
    // Short 8.3 names and their long forms are one folder.
    std::string longPath(full.size() + MAX_PATH, '\0');
    DWORD l = GetLongPathNameA(full.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (l > 0 && l < longPath.size()) full.assign(longPath.data(), l);
    for (char& c : full)
        if (c == '/') c = '\\';
    if (full.empty() || full.back() != '\\') full += '\\';
    CharUpperBuffA(full.data(), static_cast<DWORD>(full.size()));
    return full;
}

struct TSearch {
    UINT message;
    std::uint64_t key;
    bool answered;
};

BOOL CALLBACK AskWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TSearch*>(param);
    char name[32] = {};
    if (!GetClassNameA(window, name, sizeof name) || std::strcmp(name, "TClockForm") != 0) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // The running copy may take the foreground that this start was given.
    AllowSetForegroundWindow(process);
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, search->message, 0, static_cast<LPARAM>(search->key), SMTO_ABORTIFHUNG, 10000,
                            &result) &&
        result == 1) {
        search->answered = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::uint64_t DataFolderKey(const std::string& folder)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : Normalised(folder)) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

UINT ShowRunningCopyMessage()
{
    static const UINT message = RegisterWindowMessageA("Doviz Clock: show the running copy");
    return message;
}

TFolderLock TFolderLock::Take(const std::string& folder)
{
    TFolderLock lock;
    lock.file_.Reset(CreateFileA((folder + LockFileName).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (lock.file_) {
        lock.state_ = TFolderLockState::Held;
        return lock;
    }
    const DWORD error = GetLastError();
    lock.state_ = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? TFolderLockState::Busy
                                                                                      : TFolderLockState::Refused;
    return lock;
}

// The moved-from lock holds nothing, and says so.
TFolderLock::TFolderLock(TFolderLock&& other) noexcept
    : file_(std::move(other.file_)), state_(std::exchange(other.state_, TFolderLockState::Refused))
{
}

TFolderLock& TFolderLock::operator=(TFolderLock&& other) noexcept
{
    if (this != &other) {
        file_ = std::move(other.file_);
        state_ = std::exchange(other.state_, TFolderLockState::Refused);
    }
    return *this;
}

bool BringRunningCopyForward(const std::string& folder)
{
    TSearch search{ShowRunningCopyMessage(), DataFolderKey(folder), false};
    EnumWindows(AskWindow, reinterpret_cast<LPARAM>(&search));
    return search.answered;
}

std::string AlreadyRunningText(const std::string& folder)
{
    return "Doviz Clock is already running with the clocks and alarms in " + folder +
           ", in another session or for another user. Only one copy at a time can use them.";
}
