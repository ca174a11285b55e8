#include "app/SingleInstance.h"

#include <cstdio>
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

TSingleInstance::TSingleInstance(const std::string& dataFolder) : key_(DataFolderKey(dataFolder))
{
    char name[64];
    std::snprintf(name, sizeof name, "Local\\DovizClock.%016llx", static_cast<unsigned long long>(key_));
    mutex_ = CreateMutexA(nullptr, FALSE, name);
    // A mutex that can't be opened for us is another user's copy on the same folder.
    first_ = mutex_ ? GetLastError() != ERROR_ALREADY_EXISTS : GetLastError() != ERROR_ACCESS_DENIED;
}

TSingleInstance::~TSingleInstance()
{
    if (mutex_) CloseHandle(mutex_);
}

bool TSingleInstance::BringRunningCopyForward() const
{
    TSearch search{ShowRunningCopyMessage(), key_, false};
    EnumWindows(AskWindow, reinterpret_cast<LPARAM>(&search));
    return search.answered;
}
