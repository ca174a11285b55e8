#include "widgets/DateTimeFields.h"

#include "widgets/Form.h"

namespace {

HWND ParentOf(TForm& form, HWND parentHandle)
{
    return parentHandle ? parentHandle : form.Handle();
}

// The picker fixes the day of week itself on Windows but not everywhere; keep it true.
SYSTEMTIME WithDayOfWeek(SYSTEMTIME st)
{
    FILETIME ft;
    if (SystemTimeToFileTime(&st, &ft)) {
        SYSTEMTIME full;
        if (FileTimeToSystemTime(&ft, &full)) st.wDayOfWeek = full.wDayOfWeek;
    }
    return st;
}

}  // namespace

TDateTimeField::TDateTimeField(TForm& parent, const TControlSpec& place, DWORD style, HWND parentHandle)
    : TControl(ParentOf(parent, parentHandle), DATETIMEPICK_CLASSA, style | WS_TABSTOP, 0, place)
{
}

SYSTEMTIME TDateTimeField::Value() const
{
    SYSTEMTIME st{};
    SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    return st;
}

void TDateTimeField::SetValue(const SYSTEMTIME& value)
{
    SYSTEMTIME st = WithDayOfWeek(value);
    SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    if (OnChange) OnChange(*this);
}

LRESULT TDateTimeField::Notify(NMHDR* hdr)
{
    if (hdr->code == DTN_DATETIMECHANGE && OnChange) OnChange(*this);
    return 0;
}

// ---- date

TDateField::TDateField(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TDateTimeField(parent, place, DTS_SHORTDATEFORMAT, parentHandle)
{
}

void TDateField::SetDate(const SYSTEMTIME& date)
{
    SYSTEMTIME st = Value();
    st.wYear = date.wYear;
    st.wMonth = date.wMonth;
    st.wDay = date.wDay;
    SetValue(st);
}

RECT TDateField::ButtonRect() const
{
    RECT r;
    GetClientRect(Handle(), &r);
    r.left = r.right - GetSystemMetrics(SM_CXVSCROLL) - 2;
    return r;
}

void TDateField::SetButtonHint(const std::string& hint)
{
    buttonHint_ = hint;
    HWND tip = nullptr;
    if (auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(GetAncestor(Handle(), GA_ROOT)))) tip = form->ToolTip();
    if (!tip) return;
    // A second tool over the button's rectangle; it wins there over the field's own hint.
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = Handle();
    ti.uId = 1;
    ti.rect = ButtonRect();
    ti.lpszText = buttonHint_.data();
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    if (!buttonHint_.empty()) SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

LRESULT TDateField::Notify(NMHDR* hdr)
{
    if (hdr->code == DTN_DROPDOWN) {
        // Weeks begin on Sunday.
        if (HWND calendar = reinterpret_cast<HWND>(SendMessageA(Handle(), DTM_GETMONTHCAL, 0, 0)))
            SendMessageA(calendar, MCM_SETFIRSTDAYOFWEEK, 0, 6);
        return 0;
    }
    return TDateTimeField::Notify(hdr);
}

LRESULT TDateField::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CHAR:
        // Not typed into: the date is picked in the calendar.
        return 0;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_TAB:
        case VK_F4:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_ESCAPE:
        case VK_RETURN:
            break;
        default:
            // Alt+Down still opens the calendar: it comes as a system key.
            return 0;
        }
        break;
    default:
        break;
    }
    return TControl::SubclassProc(msg, wParam, lParam);
}

// ---- time

TTimeField::TTimeField(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TDateTimeField(parent, place, DTS_TIMEFORMAT | DTS_UPDOWN, parentHandle)
{
}

void TTimeField::SetTime(const SYSTEMTIME& time)
{
    SYSTEMTIME st = Value();
    st.wHour = time.wHour;
    st.wMinute = time.wMinute;
    st.wSecond = time.wSecond;
    st.wMilliseconds = time.wMilliseconds;
    SetValue(st);
}
