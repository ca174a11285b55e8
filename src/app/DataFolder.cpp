#include "app/DataFolder.h"

#include <windows.h>
#include <shlobj.h>

#include "alarms/AlarmFile.h"
#include "app/ClocksCodec.h"

std::string ProgramPath()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        // A full buffer may have cut the path short: ask again with more room.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder()
{
    std::string path = ProgramPath();
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

namespace {

bool CanCreateFile(const std::string& folder)
{
    // The way a save starts: a fresh temporary file in the folder.
    char temp[MAX_PATH];
    if (folder.size() >= MAX_PATH - 14 || GetTempFileNameA(folder.c_str(), "dvz", 0, temp) == 0) return false;
    DeleteFileA(temp);
    return true;
}

std::string UserFolder(const TDataFolderPlaces& places)
{
    return places.UserRoot + "Doviz Clock\\";
}

}  // namespace

TDataFolderPlaces SystemDataFolderPlaces()
{
    TDataFolderPlaces places;
    places.ProgramFolder = ProgramFolder();
    char appData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)) && appData[0]) {
        places.UserRoot = appData;
        if (places.UserRoot.back() != '\\') places.UserRoot += '\\';
    }
    places.CanCreateFileIn = CanCreateFile;
    return places;
}

std::string ChooseDataFolder(const TDataFolderPlaces& places)
{
    if (places.CanCreateFileIn(places.ProgramFolder) || places.UserRoot.empty()) return places.ProgramFolder;
    const std::string user = UserFolder(places);
    if (!CreateDirectoryA(user.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return places.ProgramFolder;  // nowhere better: saves fail as they did
    return user;
}

void SeedDataFolder(const TDataFolderPlaces& places, const std::string& dataFolder)
{
    if (dataFolder == places.ProgramFolder) return;
    for (const char* name : {ClocksFileName, AlarmFileName})
        CopyFileA((places.ProgramFolder + name).c_str(), (dataFolder + name).c_str(), TRUE);  // never over the user's
}
