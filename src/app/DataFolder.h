#pragma once
// Where the clocks and alarm files live: beside the program while it may write there (portable
// use), else in the user's own folder. The folder's lock decides both where and whether this copy
// runs.

#include <functional>
#include <string>

#include "app/SingleInstance.h"

// The program file's full path, however long.
std::string ProgramPath();
// Its folder, with the trailing separator.
std::string ProgramFolder();

struct TDataFolderPlaces {
    std::string ProgramFolder;  // with its trailing separator
    std::string UserRoot;       // %APPDATA%, with its trailing separator
    // Takes a folder's lock; tests stand in folders that refuse it.
    std::function<TFolderLock(const std::string& folder)> Lock;
};

// The places of this program and this user.
TDataFolderPlaces SystemDataFolderPlaces();

struct TDataFolder {
    std::string Folder;  // with its trailing separator
    TFolderLock Lock;    // Busy: another copy runs on the folder
};

// The program's own folder when its lock can be taken there (or another copy holds it), else
// UserRoot + "Doviz Clock\" (made here when needed) with its lock. Copies nothing, and makes no
// file but the lock.
TDataFolder ChooseDataFolder(const TDataFolderPlaces& places);

// The first time the user's folder is used, the files found beside the program are copied into
// it, as plain files whatever their attributes, never over the user's own.
void SeedDataFolder(const TDataFolderPlaces& places, const std::string& dataFolder);
