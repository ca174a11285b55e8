#pragma once
// The open-file dialog and the folder browser.

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <functional>
#include <optional>
#include <string>

struct TOpenFileParams {
    std::string Filter;  // "Sounds (*.wav)|*.wav": pairs of description and pattern, split by "|"
    std::string Title;
    bool MustExist = false;
    bool HideReadOnly = false;
};

// The chosen file, or none when the user cancels.
std::optional<std::string> RunOpenFileDialog(HWND owner, const TOpenFileParams& params, const std::string& initial);

// The chosen folder, or none. The status line shows the folder selected at each moment.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& caption, const std::string& initial);

// Tests answer in place of the user: they see the structure the system dialog would get and
// return what the user chose. Null: the real dialogs run.
extern std::function<BOOL(OPENFILENAMEA&)> OpenFileHook;
extern std::function<std::optional<std::string>(const BROWSEINFOA&)> BrowseFolderHook;

// What the folder browser does as the selection moves; the tests call it on a window of theirs.
int CALLBACK FolderBrowseCallback(HWND dialog, UINT msg, LPARAM lParam, LPARAM data);
