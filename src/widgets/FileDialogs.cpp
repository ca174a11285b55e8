#include "widgets/FileDialogs.h"
#include "widgets/OnDemand.h"

#include <commdlg.h>

#include <vector>

std::function<BOOL(OPENFILENAMEA&)> OpenFileHook;
std::function<std::optional<std::string>(const BROWSEINFOA&)> BrowseFolderHook;

namespace {

struct TBrowseState {
    std::string Caption;
    std::string Initial;
};

}  // namespace

std::optional<std::string> RunOpenFileDialog(HWND owner, const TOpenFileParams& params, const std::string& initial)
{
    // The system wants the pairs separated by NULs and closed by two.
    std::string filter = params.Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');

    std::vector<char> file(MAX_PATH * 4, '\0');
    if (initial.size() < file.size()) initial.copy(file.data(), initial.size());

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = params.Title.c_str();
    ofn.Flags = OFN_ENABLESIZING | OFN_NOCHANGEDIR | (params.MustExist ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : 0) |
                (params.HideReadOnly ? OFN_HIDEREADONLY : 0);
    BOOL chosen = OpenFileHook ? OpenFileHook(ofn) : OnDemandGetOpenFileName(&ofn);
    if (!chosen) return std::nullopt;
    return std::string(ofn.lpstrFile);
}

int CALLBACK FolderBrowseCallback(HWND dialog, UINT msg, LPARAM lParam, LPARAM data)
{
    auto* state = reinterpret_cast<TBrowseState*>(data);
    switch (msg) {
    case BFFM_INITIALIZED:
        SetWindowTextA(dialog, state->Caption.c_str());
        if (!state->Initial.empty())
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(state->Initial.c_str()));
        break;
    case BFFM_SELCHANGED: {
        char path[MAX_PATH] = {};
        // A selection that is no folder of the file system (the desktop's virtual items) shows nothing.
        if (!SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path)) path[0] = '\0';
        SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
        break;
    }
    default:
        break;
    }
    return 0;
}

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& caption, const std::string& initial)
{
    TBrowseState state{caption, initial};
    char display[MAX_PATH] = {};
    BROWSEINFOA bi{};
    bi.hwndOwner = owner;
    bi.pszDisplayName = display;
    bi.lpszTitle = state.Caption.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    bi.lpfn = &FolderBrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(&state);
    if (BrowseFolderHook) return BrowseFolderHook(bi);

    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&bi);
    if (!chosen) return std::nullopt;
    char path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListA(chosen, path);
    OnDemandCoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    return std::string(path);
}
