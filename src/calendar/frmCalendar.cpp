#include "calendar/frmCalendar.h"

#include "../../res/resource.h"

TCalendarForm* CalendarForm = nullptr;

namespace {

TForm::TParams CalendarParams()
{
    return TForm::DialogParams("TCalendarForm", "Calendar", 181, 152);
}

constexpr int BarHeight = 21;
constexpr int ArrowWidth = 14;

// Eight pixels high at 96 DPI.
TFont ComboFont(UINT dpi)
{
    TFont font;
    font.SetDpi(96);
    font.SetHeight(-8);
    font.SetDpi(dpi);
    return font;
}

}  // namespace

std::vector<std::string> LocaleMonthNames()
{
    std::vector<std::string> names;
    for (LCTYPE type = LOCALE_SMONTHNAME1; type <= LOCALE_SMONTHNAME12; ++type) {
        char buf[80] = {};
        GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
        names.emplace_back(buf);
    }
    return names;
}

TCalendarForm::TCalendarForm(TCalendarModel::TToday today)
    : TForm(CalendarParams()),
      comboFont_(ComboFont(Dpi())),
      PrevYearBtn(*this, {0, 0, ArrowWidth, BarHeight, {}, "Previous year"}),
      PrevMonBtn(*this, {14, 0, ArrowWidth, BarHeight, {}, "Previous month"}),
      MonthCombo(*this, {28, 0, 77, BarHeight, {}, {}}, LocaleMonthNames()),
      YearSpin(*this, {104, 0, 49, BarHeight, {}, {}}, 1, 2300),
      NextMonBtn(*this, {153, 0, ArrowWidth, BarHeight, {}, "Next month"}),
      NextYearBtn(*this, {167, 0, ArrowWidth, BarHeight, {}, "Next year"}),
      Calendar(*this, {0, 21, 181, 99, {}, {}}, std::move(today)),
      OkBtn(*this, {47, 126, 75, 25, "OK", {}})
{
    CalendarForm = this;
    SendMessageA(MonthCombo.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(comboFont_.Handle()), FALSE);
    PrevYearBtn.SetGlyph(IDB_GLYPH_PREV_YEAR);
    PrevMonBtn.SetGlyph(IDB_GLYPH_PREV_MONTH);
    NextMonBtn.SetGlyph(IDB_GLYPH_NEXT_MONTH);
    NextYearBtn.SetGlyph(IDB_GLYPH_NEXT_YEAR);
    OkBtn.SetGlyph(IDB_GLYPH_OK);
    // Esc hides the window as OK does, as it closes every other window of the program.
    CancelButton = &OkBtn;
    Calendar.SetStartOfWeek(1);

    PrevYearBtn.OnClick = [this](TButton&) { PrevYearBtnClick(); };
    NextYearBtn.OnClick = [this](TButton&) { NextYearBtnClick(); };
    PrevMonBtn.OnClick = [this](TButton&) { PrevMonBtnClick(); };
    NextMonBtn.OnClick = [this](TButton&) { NextMonBtnClick(); };
    MonthCombo.OnChange = [this](TComboBox&) { MonthComboChange(); };
    YearSpin.OnChange = [this](TEdit&) { YearSpinChange(); };
    OkBtn.OnClick = [this](TButton&) { OkBtnClick(); };
}

TCalendarForm::~TCalendarForm()
{
    YearSpin.OnChange = nullptr;
    MonthCombo.OnChange = nullptr;
    if (CalendarForm == this) CalendarForm = nullptr;
}

void TCalendarForm::ShowCalendar()
{
    if (Visible()) {
        SetForegroundWindow(Handle());
        return;
    }
    Show();
    SetForegroundWindow(Handle());
    SetFocus(Calendar.Handle());
}

void TCalendarForm::FormShow()
{
    SynchronizeBar();
}

void TCalendarForm::SynchronizeBar()
{
    MonthCombo.SetItemIndex(Calendar.Month() - 1);
    YearSpin.SetValue(Calendar.Year());
}

// A step that fails leaves the bar as it was: the error skips the synchronisation.
void TCalendarForm::PrevYearBtnClick()
{
    PrevYear(Calendar);
    SynchronizeBar();
}

void TCalendarForm::NextYearBtnClick()
{
    NextYear(Calendar);
    SynchronizeBar();
}

void TCalendarForm::PrevMonBtnClick()
{
    PrevMonth(Calendar);
    SynchronizeBar();
}

void TCalendarForm::NextMonBtnClick()
{
    NextMonth(Calendar);
    SynchronizeBar();
}

void TCalendarForm::MonthComboChange()
{
    int index = MonthCombo.ItemIndex();
    if (index >= 0 && index <= 11) Calendar.SetMonth(index + 1);
}

void TCalendarForm::YearSpinChange()
{
    Calendar.SetYear(YearSpin.Value());
}

void TCalendarForm::OkBtnClick()
{
    Hide();
}

LRESULT TCalendarForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SHOWWINDOW:
        if (wParam) FormShow();
        break;
    case WM_ACTIVATE:
        // Coming back, the focus returns to the control that had it rather than to the window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus_ = focus && IsChild(Handle(), focus) ? focus : nullptr;
        } else {
            SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : Calendar.Handle());
            return 0;
        }
        break;
    default:
        break;
    }
    return TForm::WndProc(msg, wParam, lParam);
}

void TCalendarForm::DpiChanged(UINT)
{
    comboFont_.SetDpi(Dpi());
    SendMessageA(MonthCombo.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(comboFont_.Handle()), TRUE);
}
