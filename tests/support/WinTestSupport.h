#pragma once
// What the Wine tests share: a registry key and a folder of their own, message pumping.

#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <string>

#include "FakeClock.h"
#include "Moments.h"
#include "ScratchFolder.h"
#include "base/SystemTimeRecord.h"
#include "base/RegKey.h"
#include "widgets/Application.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

// HKCU\Software\DovizTests\<name><pid>, removed again when the test ends.
class TScratchKey {
public:
    explicit TScratchKey(const std::string& name)
        : path_("Software\\DovizTests\\" + name + std::to_string(GetCurrentProcessId()))
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        TRegKey::Create(HKEY_CURRENT_USER, path_, KEY_ALL_ACCESS);
    }
    ~TScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
    const std::string& Path() const { return path_; }
    TRegKey Open(const std::string& sub = {}) const
    {
        return TRegKey::Create(HKEY_CURRENT_USER, sub.empty() ? path_ : path_ + "\\" + sub, KEY_ALL_ACCESS);
    }

private:
    std::string path_;
};

inline void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) TApplication::HandleMessage(msg);
}

// A button pressed as a user presses it, and what that posted handled.
inline void Click(const TControl& control)
{
    SendMessageA(control.Handle(), BM_CLICK, 0, 0);
    PumpMessages();
}

inline std::string FormatDate(const SYSTEMTIME& st)
{
    char buf[100] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, sizeof buf);
    return buf;
}
inline std::string FormatDate(const TSystemTime& t)
{
    return FormatDate(FromRecord(t));
}

inline std::string PmDesignator()
{
    char buf[16] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_S2359, buf, sizeof buf);
    return buf;
}

// A plain centred dialog for widget tests.
inline TForm::TParams TestDialog(const char* className)
{
    TForm::TParams p;
    p.ClassName = className;
    p.Caption = "Test";
    p.BorderStyle = bsDialog;
    p.Position = poScreenCenter;
    return p;
}

// The A message gives at most 80 characters; the W one gives the whole text.
inline std::string ToolTipText(const TForm& form, const TControl& control)
{
    wchar_t text[1024] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = GetParent(control.Handle());
    ti.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    ti.lpszText = text;
    SendMessageW(form.ToolTip(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&ti));
    char narrow[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}
