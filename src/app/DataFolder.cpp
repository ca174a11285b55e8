#include "app/DataFolder.h"

#include <windows.h>
#include <shlobj.h>

#include "alarms/AlarmFile.h"
#include "app/ClocksCodec.h"
#include "base/WinFileAccess.h"

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
    places.Lock = TFolderLock::Take;
    return places;
}

TDataFolder ChooseDataFolder(const TDataFolderPlaces& places)
{
    TFolderLock here = places.Lock(places.ProgramFolder);
    if (here.State() != TFolderLockState::Refused || places.UserRoot.empty())
        return {places.ProgramFolder, std::move(here)};
    const std::string user = UserFolder(places);
    if (!CreateDirectoryA(user.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return {places.ProgramFolder, std::move(here)};  // nowhere better: saves fail, and say so
    return {user, places.Lock(user)};
}

void SeedDataFolder(const TDataFolderPlaces& places, const std::string& dataFolder)
{
    if (dataFolder == places.ProgramFolder) return;
    // Read and written, not copied: a copy would keep a read-only attribute from a CD or an unpacker.
    TWinFileAccess files;
    for (const char* name : {ClocksFileName, AlarmFileName}) {
        TBytes bytes;
        if (files.ReadWholeFile(dataFolder + name, bytes) || files.LastFault() != TFileFault::Missing) continue;
        if (files.ReadWholeFile(places.ProgramFolder + name, bytes)) files.ReplaceWholeFile(dataFolder + name, bytes);
    }
}
