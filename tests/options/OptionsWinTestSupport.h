#pragma once
// A registry root and a folder of the test's own, removed again when the test ends.

#include "options/RegKey.h"

#include <windows.h>

#include <string>

class TScratchRegistry {
public:
    TScratchRegistry()
    {
        path_ = "Software\\DovizTests\\Options" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        root_ = TRegKey::Create(HKEY_CURRENT_USER, path_, KEY_ALL_ACCESS);
    }
    ~TScratchRegistry()
    {
        root_.Close();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\DovizTests");  // fails while others use it
    }
    HKEY Root() const { return root_.Handle(); }

private:
    std::string path_;
    TRegKey root_;
};

class TScratchFolder {
public:
    TScratchFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "DovizOptions" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TScratchFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do DeleteFileA((path_ + "\\" + found.cFileName).c_str());
            while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};
