#include "calendar/Calendar.h"

#include <windowsx.h>

#include "base/SystemClock.h"
#include "widgets/Form.h"

namespace {

// LOCALE_SABBREVDAYNAME1 is Monday; the grid counts from Sunday.
constexpr LCTYPE AbbrevDayName[7] = {LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2,
                                     LOCALE_SABBREVDAYNAME3, LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5,
                                     LOCALE_SABBREVDAYNAME6};

}  // namespace

TWeekdayNames LocaleWeekdayNames()
{
    TWeekdayNames names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        char buf[80] = {};
        if (GetLocaleInfoA(LOCALE_USER_DEFAULT, AbbrevDayName[i], buf, sizeof buf) > 0) names[i] = buf;
    }
    return names;
}

TDateTime LocalToday()
{
    const TSystemTime st = SystemClock().LocalNow();
    return EncodeDate(st.wYear, st.wMonth, st.wDay);
}

TCalendar::TCalendar(TForm& parent, const TControlSpec& place, TToday today)
    : TCalendarModel(std::move(today)), form_(parent), weekdays_(LocaleWeekdayNames())
{
    RegisterClassOnce("TCalendar", 0, LoadCursor(nullptr, IDC_ARROW), nullptr);
    CreateHandle(0, "TCalendar", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, parent.Scale(place.Left),
                 parent.Scale(place.Top), parent.Scale(place.Width), parent.Scale(place.Height), parent.Handle());
    OnLayout = [this] { Invalidate(); };
}

TCalendar::~TCalendar()
{
    OnLayout = nullptr;
    DestroyHandle();
}

LRESULT TCalendar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        return PaintMessage();
    case WM_ERASEBKGND:
        return 1;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        KeyDown(static_cast<WORD>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(Handle());
        MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        return 0;
    default:
        break;
    }
    return TWindow::WndProc(msg, wParam, lParam);
}

void TCalendar::KeyDown(WORD key)
{
    int dCol = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
    int dRow = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
    if (dCol == 0 && dRow == 0) return;
    if (auto next = Step(dCol, dRow)) SelectCell(*next);
}

void TCalendar::MouseDown(int x, int y)
{
    RECT r = ClientRect();
    if (auto cell = CellAt(x, y, r.right, r.bottom)) SelectCell(*cell);
}

void TCalendar::Paint(HDC dc)
{
    RECT client = ClientRect();
    // The lines between the cells and the spare pixels below them.
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    TSelectObject font(dc, form_.Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    bool focused = GetFocus() == Handle();
    for (int row = 0; row < RowCount; ++row) {
        for (int col = 0; col < ColCount; ++col) {
            TGridCell cell{col, row};
            TCellRect c = CellRect(cell, client.right, client.bottom);
            RECT r{c.Left, c.Top, c.Right, c.Bottom};
            bool selected = row > 0 && cell == Selected();
            int background = row == 0 ? COLOR_BTNFACE : selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
            FillRect(dc, &r, GetSysColorBrush(background));
            if (row == 0) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : row == 0 ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
            std::string text = CellText(cell);
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (selected && focused) DrawFocusRect(dc, &r);
        }
    }
}
