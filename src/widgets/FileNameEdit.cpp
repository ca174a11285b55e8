#include "widgets/FileNameEdit.h"

#include <stdexcept>

#include "../../res/resource.h"
#include "widgets/CommandLine.h"
#include "widgets/Form.h"

namespace {

constexpr int ButtonSize = 21;
constexpr int Gap = 2;

TControlSpec EditPart(TControlSpec place)
{
    place.Width -= ButtonSize + Gap;
    return place;
}

TControlSpec ButtonPart(const TControlSpec& place)
{
    return {place.Left + place.Width - ButtonSize, place.Top, ButtonSize, place.Height, {}, {}};
}

bool IsFile(const std::string& name)
{
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool IsValidFileName(const std::string& name)
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c < 32) return false;
        switch (c) {
        case '<':
        case '>':
        case '"':
        case '|':
        case '*':
        case '?':
            return false;
        case ':':
            if (i != 1 || !((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'))) return false;
            break;
        default:
            break;
        }
    }
    return true;
}

TFileNameEdit::TFileNameEdit(TForm& parent, const TControlSpec& place, const TOpenFileParams& dialog, HWND parentHandle)
    : TEdit(parent, EditPart(place), parentHandle), BrowseBtn(parent, ButtonPart(place), parentHandle), dialog_(dialog)
{
    BrowseBtn.SetGlyph(IDB_GLYPH_ELLIPSIS);
    BrowseBtn.OnClick = [this](TButton&) { Browse(); };
}

void TFileNameEdit::SetFileName(const std::string& name)
{
    if (!IsValidFileName(name)) throw std::invalid_argument("Invalid file name - " + name);
    SetText(name);
}

void TFileNameEdit::Browse()
{
    const TCommandLine line = HoldsCommandLine ? SplitCommandLine(FileName(), &IsFile) : TCommandLine{FileName(), {}};
    if (auto chosen = RunOpenFileDialog(GetAncestor(Handle(), GA_ROOT), dialog_, line.Program)) {
        SetText(HoldsCommandLine ? JoinCommandLine(*chosen, line.Arguments) : *chosen);
        SetFocus(Handle());
    }
}

LRESULT TFileNameEdit::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The button follows the edit's enabled state.
    if (msg == WM_ENABLE) BrowseBtn.SetEnabled(wParam != 0);
    return TEdit::SubclassProc(msg, wParam, lParam);
}
