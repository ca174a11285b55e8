#pragma once
// A registry root and a folder of the test's own, removed again when the test ends.

#include "../support/WinTestSupport.h"
#include "options/RegKey.h"

#include <windows.h>

#include <string>

// A registry root of the test's own, for the store's back ends.
class TScratchRegistry {
public:
    HKEY Root() const { return root_.Handle(); }

private:
    TScratchKey key_{"Options"};
    TRegKey root_ = key_.Open();
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
