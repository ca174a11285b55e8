#pragma once
// A folder of the test's own under %TEMP%, emptied when made and removed when the test ends.

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

// %TEMP%\Doviz Tests <name><pid>\ with its trailing separator (a space in it, as users' folders have).
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name = "Options")
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "Doviz Tests " + name + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
        Empty();
    }
    ~TScratchFolder()
    {
        Empty();
        RemoveDirectoryA(path_.c_str());
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    // Writes the file there and gives its path.
    std::string Make(const std::string& name, const std::string& contents = {}) const
    {
        std::ofstream(File(name), std::ios::binary) << contents;
        return File(name);
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    void Empty() const
    {
        for (const auto& name : Files()) DeleteFileA(File(name).c_str());
    }

private:
    std::string path_;
};
