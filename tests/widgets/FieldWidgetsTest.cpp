#include <gtest/gtest.h>

#include <shlobj.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "../support/WinTestSupport.h"
#include "widgets/DateTimeFields.h"
#include "widgets/FileDialogs.h"
#include "widgets/FileNameEdit.h"
#include "widgets/Form.h"

namespace {

using namespace std::string_literals;

// The colour a user sees inside the control, clear of its text, border and buttons.
COLORREF Shade(const TControl& control)
{
    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    RECT r;
    GetClientRect(control.Handle(), &r);
    HDC dc = GetDC(control.Handle());
    COLORREF c = GetPixel(dc, r.right - 28, 4);
    ReleaseDC(control.Handle(), dc);
    return c;
}

TEST(DateTimeFields, EachChangesItsOwnPartAndKeepsTheOther)
{
    TForm form(TestDialog("TFieldTest"));
    TDateField date(form, {8, 8, 110, 21});
    TTimeField time(form, {8, 40, 110, 21});
    time.SetValue(FromRecord(Moment(2026, 12, 24, 7, 30, 15)));
    time.SetTime(FromRecord(Moment(1999, 1, 1, 23, 58, 1)));
    SYSTEMTIME t = time.Value();
    EXPECT_EQ(FormatDate(t), FormatDate(Moment(2026, 12, 24, 0, 0)));
    EXPECT_EQ(t.wHour * 10000 + t.wMinute * 100 + t.wSecond, 235801);
    EXPECT_EQ(t.wDayOfWeek, 4);  // a Thursday

    date.SetValue(FromRecord(Moment(2026, 12, 24, 7, 30, 15)));
    date.SetDate(FromRecord(Moment(2027, 1, 1, 0, 3)));
    SYSTEMTIME d = date.Value();
    EXPECT_EQ(d.wYear * 10000 + d.wMonth * 100 + d.wDay, 20270101);
    EXPECT_EQ(d.wHour * 10000 + d.wMinute * 100 + d.wSecond, 73015);
    EXPECT_EQ(d.wDayOfWeek, 5);
}

TEST(DateTimeFields, TheDateIsPickedNotTyped)
{
    TForm form(TestDialog("TFieldTest"));
    TDateField date(form, {8, 8, 110, 21});
    form.Show();
    date.SetValue(FromRecord(Moment(2026, 12, 24, 0, 0)));
    SetFocus(date.Handle());
    for (WORD vk : {WORD(VK_UP), WORD(VK_DOWN), WORD(VK_HOME), WORD(VK_END), WORD(VK_PRIOR), WORD('5')}) {
        PostMessageA(date.Handle(), WM_KEYDOWN, vk, 1);
        PostMessageA(date.Handle(), WM_CHAR, '5', 1);
        PostMessageA(date.Handle(), WM_KEYUP, vk, 0xC0000001);
    }
    PumpMessages();
    EXPECT_EQ(FormatDate(date.Value()), FormatDate(Moment(2026, 12, 24, 0, 0)));
}

TEST(DateTimeFields, DisabledFieldsAndEditsTakeTheParentsColour)
{
    TForm form(TestDialog("TFieldTest"));
    form.SetClientSize(300, 120);
    TDateField date(form, {8, 8, 110, 21});
    TTimeField time(form, {8, 36, 110, 21});
    TEdit edit(form, {130, 8, 110, 21});
    TMemo memo(form, {130, 36, 110, 40}, ssVertical, true);
    form.Show();
    const COLORREF face = GetSysColor(COLOR_BTNFACE), window = GetSysColor(COLOR_WINDOW);
    ASSERT_NE(face, window);
    for (TControl* c : std::initializer_list<TControl*>{&date, &time, &edit, &memo}) {
        c->SetEnabled(false);
        EXPECT_EQ(Shade(*c), face) << GetWindowLongPtrA(c->Handle(), GWL_ID);
        c->SetEnabled(true);
        EXPECT_EQ(Shade(*c), window) << GetWindowLongPtrA(c->Handle(), GWL_ID);
    }
}

TEST(FileNameEdit, RefusesNamesNoFileCanHave)
{
    struct Case {
        const char* name;
        bool valid;
    } cases[] = {
        {"", true},           {"C:\\Windows\\media\\ding.wav", true}, {"ding.wav", true},
        {"\\\\server\\share\\a b.wav", true}, {"..\\x.wav", true},   {"a|b.wav", false},
        {"a?.wav", false},    {"*.wav", false},  {"<a>", false},     {"say \"hi\"", false},
        {"C:a:b", false},     {":x", false},     {"1:\\x", false},   {"a\tb", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidFileName(c.name), c.valid) << c.name;

    TForm form(TestDialog("TFieldTest"));
    TFileNameEdit edit(form, {8, 8, 200, 21}, {"Sounds (*.wav)|*.wav", "Sounds", true, true});
    edit.SetFileName("old.wav");
    try {
        edit.SetFileName("a|b.wav");
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Invalid file name - a|b.wav");
    }
    EXPECT_EQ(edit.FileName(), "old.wav");
}

TEST(FileNameEdit, BrowseButtonOpensTheFileDialogAsTheFieldSays)
{
    TForm form(TestDialog("TFieldTest"));
    TFileNameEdit sounds(form, {8, 8, 200, 21}, {"Sounds (*.wav)|*.wav", "Sounds", true, true});
    TFileNameEdit apps(form, {8, 40, 200, 21}, {"All files (*.*)|*.*", "Application ", true, false});
    RECT edit = sounds.BoundsInParent(), button = sounds.BrowseBtn.BoundsInParent();
    EXPECT_EQ(button.right, 208);
    EXPECT_LE(edit.right, button.left);

    std::vector<std::string> seen;
    OpenFileHook = [&](OPENFILENAMEA& ofn) {
        std::string filter(ofn.lpstrFilter, 40);
        filter.resize(filter.find(std::string(2, '\0')) + 2);
        seen.push_back(filter + "/" + ofn.lpstrTitle + "/" + ofn.lpstrFile + "/" +
                       std::to_string((ofn.Flags & OFN_FILEMUSTEXIST) != 0) +
                       std::to_string((ofn.Flags & OFN_HIDEREADONLY) != 0));
        if (std::string(ofn.lpstrTitle) == "Sounds") return FALSE;
        strcpy(ofn.lpstrFile, "C:\\apps\\tool.exe");
        return TRUE;
    };
    sounds.SetFileName("C:\\old.wav");
    SendMessageA(sounds.BrowseBtn.Handle(), BM_CLICK, 0, 0);
    SendMessageA(apps.BrowseBtn.Handle(), BM_CLICK, 0, 0);
    OpenFileHook = nullptr;
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "Sounds (*.wav)\0*.wav\0\0/Sounds/C:\\old.wav/11"s);
    EXPECT_EQ(seen[1], "All files (*.*)\0*.*\0\0/Application //10"s);
    EXPECT_EQ(sounds.FileName(), "C:\\old.wav");  // cancelled
    EXPECT_EQ(apps.FileName(), "C:\\apps\\tool.exe");

    apps.SetEnabled(false);
    EXPECT_FALSE(apps.BrowseBtn.Enabled());
    apps.SetEnabled(true);
    EXPECT_TRUE(apps.BrowseBtn.Enabled());
}

// Stands in for the folder browser's window and keeps what it is told.
class TBrowserStandIn : public TForm {
public:
    TBrowserStandIn() : TForm(TestDialog("TBrowserStandIn")) {}
    std::vector<std::string> Told;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == BFFM_SETSTATUSTEXTA) Told.push_back(std::string("status ") + reinterpret_cast<const char*>(lParam));
        if (msg == BFFM_SETSELECTIONA) Told.push_back(std::string("select ") + reinterpret_cast<const char*>(lParam));
        return TForm::WndProc(msg, wParam, lParam);
    }
};

TEST(FolderBrowser, IsCaptionedAndShowsTheSelectionInItsStatusLine)
{
    BROWSEINFOA given{};
    std::string title;
    BrowseFolderHook = [&](const BROWSEINFOA& bi) -> std::optional<std::string> {
        given = bi;
        title = bi.lpszTitle;
        // What the system's browser does while it runs.
        TBrowserStandIn window;
        bi.lpfn(window.Handle(), BFFM_INITIALIZED, 0, bi.lParam);
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, MAX_PATH);
        PIDLIST_ABSOLUTE pidl = nullptr;
        SHParseDisplayName(std::wstring(windows, windows + strlen(windows)).c_str(), nullptr, &pidl, 0, nullptr);
        bi.lpfn(window.Handle(), BFFM_SELCHANGED, reinterpret_cast<LPARAM>(pidl), bi.lParam);
        CoTaskMemFree(pidl);
        EXPECT_EQ(window.Caption(), "Startup folder");
        EXPECT_EQ(window.Told, (std::vector<std::string>{"select C:\\start", std::string("status ") + windows}));
        return std::string("C:\\chosen");
    };
    auto chosen = BrowseForFolder(nullptr, "Startup folder", "C:\\start");
    BrowseFolderHook = nullptr;
    EXPECT_EQ(title, "Startup folder");
    EXPECT_TRUE(given.ulFlags & BIF_STATUSTEXT);
    EXPECT_TRUE(given.ulFlags & BIF_RETURNONLYFSDIRS);
    EXPECT_EQ(chosen.value_or("none"), "C:\\chosen");

    BrowseFolderHook = [](const BROWSEINFOA&) -> std::optional<std::string> { return std::nullopt; };
    EXPECT_FALSE(BrowseForFolder(nullptr, "Startup folder", "").has_value());
    BrowseFolderHook = nullptr;
}

}  // namespace
