#include "widgets/SystemLibrary.h"

#include <string>

void RestrictLibrarySearch()
{
    // Looked up: Windows 7 has it only with KB2533623, and an import would stop the start there.
    using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    const auto restrict = reinterpret_cast<TSetDefaultDllDirectories>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (restrict && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without it at least the current folder leaves the search; LoadSystemLibrary then names the
    // system folder itself, so the program's folder is never asked either.
    SetDllDirectoryA("");
}

HMODULE LoadSystemLibrary(const char* name)
{
    HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A refused flag, not a missing library.
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) module = LoadFromSystemFolder(name);
    return module;
}

HMODULE LoadFromSystemFolder(const char* name)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder, length) + "\\" + name;
    // The library's own imports are then looked for in its folder first, not in ours.
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
