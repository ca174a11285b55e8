#pragma once
// Where the clocks and alarm files live: beside the program while it may write there (portable
// use), else in the user's own folder.

#include <functional>
#include <string>

// The program file's full path, however long.
std::string ProgramPath();
// Its folder, with the trailing separator.
std::string ProgramFolder();

struct TDataFolderPlaces {
    std::string ProgramFolder;  // with its trailing separator
    std::string UserRoot;       // %APPDATA%, with its trailing separator
    // Whether a file can be created in the folder; tests stand in a folder that refuses.
    std::function<bool(const std::string& folder)> CanCreateFileIn;
};

// The places of this program and this user.
TDataFolderPlaces SystemDataFolderPlaces();

// The folder to use, with its trailing separator: the program's own when a file can be created
// there, else UserRoot + "Doviz Clock\" (made here when needed). Copies nothing.
std::string ChooseDataFolder(const TDataFolderPlaces& places);

// The first time the user's folder is used, the files found beside the program are copied into it.
void SeedDataFolder(const TDataFolderPlaces& places, const std::string& dataFolder);
