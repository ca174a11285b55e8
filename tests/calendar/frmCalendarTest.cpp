#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "../support/Input.h"
#include "../support/WinTestSupport.h"
#include "calendar/frmCalendar.h"

namespace {

// The window on a fixed "today", with every message box it raises written down.
struct TCalendarWindow {
    explicit TCalendarWindow(int y, int m, int d) : form([y, m, d] { return EncodeDate(y, m, d); })
    {
        Application.MessageBoxHook = [this](const std::string& text, const std::string& caption, UINT flags) {
            messages.push_back(text + " | " + caption + ((flags & MB_ICONERROR) ? " | error" : ""));
            return IDOK;
        };
        form.ShowCalendar();
        PumpMessages();
    }
    ~TCalendarWindow() { Application.MessageBoxHook = nullptr; }

    // The grid's date and what the bar shows, in one line.
    std::string State() const
    {
        return std::to_string(form.Calendar.Year()) + "-" + std::to_string(form.Calendar.Month()) + "-" +
               std::to_string(form.Calendar.Day()) + " bar " + form.MonthCombo.Text() + " " + form.YearSpin.Text();
    }

    TCalendarForm form;
    std::vector<std::string> messages;
};

const char* const DateError = "Invalid argument to date encode | Doviz Clock | error";

void ClickCell(TCalendar& grid, TGridCell cell)
{
    RECT client = grid.ClientRect();
    TCellRect r = grid.CellRect(cell, client.right, client.bottom);
    LPARAM at = MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    SendMessageA(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(grid.Handle(), WM_LBUTTONUP, 0, at);
    PumpMessages();
}

// Typing into the year field, one character at a time, over a selected text.
void TypeOver(TSpinEdit& field, const std::string& keys)
{
    SetFocus(field.Handle());
    field.SelectAll();
    Type(field.Handle(), keys);
}

TEST(CalendarForm, OpensWithItsHintsMonthsAndFocus)
{
    TCalendarWindow w(2026, 12, 8);
    TCalendarForm& f = w.form;
    EXPECT_EQ(FindWindowA("TCalendarForm", "Calendar"), f.Handle());
    EXPECT_EQ(CalendarForm, &f);
    const std::pair<const TButton&, const char*> hints[] = {{f.PrevYearBtn, "Previous year"},
                                                            {f.PrevMonBtn, "Previous month"},
                                                            {f.NextMonBtn, "Next month"},
                                                            {f.NextYearBtn, "Next year"}};
    for (const auto& [button, hint] : hints) EXPECT_EQ(ToolTipText(f, button), hint);
    EXPECT_EQ(f.OkBtn.Text(), "OK");

    // The list holds the locale's months in a smaller font; the grid starts with the focus.
    ASSERT_EQ(f.MonthCombo.Count(), 12);
    EXPECT_EQ(f.MonthCombo.Item(0), "January");
    EXPECT_EQ(f.MonthCombo.Item(11), "December");
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(f.MonthCombo.Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -8);
    EXPECT_EQ(GetFocus(), f.Calendar.Handle());
    EXPECT_EQ(w.State(), "2026-12-8 bar December 2026");

    // The grid's header from the locale; its cells share its whole size.
    std::string header;
    for (int col = 0; col < 7; ++col) header += f.Calendar.CellText({col, 0}) + " ";
    EXPECT_EQ(header, "Mon Tue Wed Thu Fri Sat Sun ");
    RECT grid = f.Calendar.ClientRect();
    EXPECT_EQ(f.Calendar.ColWidth(grid.right), 25);
    EXPECT_EQ(f.Calendar.RowHeight(grid.bottom), 13);
}

TEST(CalendarForm, MouseAndArrowsPickOnlyDays)
{
    TCalendarWindow w(2026, 11, 8);
    TCalendar& grid = w.form.Calendar;
    ClickCell(grid, {0, 1});  // before the 1st
    ClickCell(grid, {1, 6});  // after the 30th
    ClickCell(grid, {2, 0});  // the header
    EXPECT_EQ(w.State(), "2026-11-8 bar November 2026");
    EXPECT_EQ(grid.Selected(), (TGridCell{6, 2}));

    ClickCell(grid, {3, 4});
    EXPECT_EQ(grid.Day(), 19);
    FocusAndPress(grid.Handle(), VK_RIGHT);
    FocusAndPress(grid.Handle(), VK_DOWN);
    EXPECT_EQ(grid.Day(), 27);
    FocusAndPress(grid.Handle(), VK_DOWN);  // the 4th of December is not in this month
    EXPECT_EQ(grid.Day(), 27);
    EXPECT_EQ(grid.Selected(), (TGridCell{4, 5}));

    grid.ReadOnly = true;
    ClickCell(grid, {0, 2});
    FocusAndPress(grid.Handle(), VK_LEFT);
    EXPECT_EQ(grid.Day(), 27);
    EXPECT_TRUE(w.messages.empty());
}

TEST(CalendarForm, ButtonsMoveTheGridAndTheBarFollows)
{
    TCalendarWindow w(2026, 1, 15);
    TCalendarForm& f = w.form;
    struct Step {
        TButton TCalendarForm::*button;
        const char* state;
    } steps[] = {
        {&TCalendarForm::NextMonBtn, "2026-2-15 bar February 2026"},
        {&TCalendarForm::PrevMonBtn, "2026-1-15 bar January 2026"},
        {&TCalendarForm::PrevMonBtn, "2025-12-15 bar December 2025"},
        {&TCalendarForm::NextMonBtn, "2026-1-15 bar January 2026"},
        {&TCalendarForm::NextYearBtn, "2027-1-15 bar January 2027"},
        {&TCalendarForm::PrevYearBtn, "2026-1-15 bar January 2026"},
    };
    for (const auto& s : steps) {
        Click(f.*s.button);
        EXPECT_EQ(w.State(), s.state);
    }

    // Past the field's range the grid goes on while the field stays at its limit.
    TypeOver(f.YearSpin, "2300");
    Click(f.NextYearBtn);
    EXPECT_EQ(w.State(), "2301-1-15 bar January 2300");
    Click(f.PrevYearBtn);
    EXPECT_EQ(w.State(), "2300-1-15 bar January 2300");
    EXPECT_TRUE(w.messages.empty());
}

TEST(CalendarForm, MonthListAndYearFieldMoveTheGrid)
{
    TCalendarWindow w(2026, 1, 15);
    TCalendarForm& f = w.form;
    FocusAndPress(f.MonthCombo.Handle(), VK_DOWN);
    EXPECT_EQ(w.State(), "2026-2-15 bar February 2026");
    FocusAndPress(f.MonthCombo.Handle(), VK_END);
    EXPECT_EQ(w.State(), "2026-12-15 bar December 2026");

    // Every keystroke counts: "1", "19", "199", "1999".
    TypeOver(f.YearSpin, "1999");
    EXPECT_EQ(w.State(), "1999-12-15 bar December 1999");
    TypeOver(f.YearSpin, "7x");  // not a digit: refused
    EXPECT_EQ(w.State(), "7-12-15 bar December 7");
    TypeOver(f.YearSpin, "2500");  // as typed, beyond the arrows' range
    EXPECT_EQ(f.Calendar.Year(), 2500);

    // An empty field counts as its minimum, at once.
    TypeOver(f.YearSpin, "\b");
    EXPECT_EQ(f.Calendar.Year(), 1);
    EXPECT_EQ(f.YearSpin.Text(), "");

    // The arrows step from what the field shows, within the range.
    f.YearSpin.SetValue(2299);
    FocusAndPress(f.YearSpin.Handle(), VK_UP);
    FocusAndPress(f.YearSpin.Handle(), VK_UP);
    EXPECT_EQ(w.State(), "2300-12-15 bar December 2300");
    EXPECT_TRUE(w.messages.empty());
}

TEST(CalendarForm, ADayTheTargetMonthLacksIsReportedAndTheGridStays)
{
    TCalendarWindow w(2026, 1, 31);
    TCalendarForm& f = w.form;
    Click(f.NextMonBtn);
    EXPECT_EQ(w.messages, std::vector<std::string>{DateError});
    EXPECT_EQ(w.State(), "2026-1-31 bar January 2026");
    EXPECT_EQ(f.Calendar.Selected(), (TGridCell{5, 5}));

    // The list keeps the user's pick until the bar is next synchronised.
    FocusAndPress(f.MonthCombo.Handle(), VK_DOWN);
    EXPECT_EQ(w.messages.size(), 2u);
    EXPECT_EQ(w.State(), "2026-1-31 bar February 2026");
    Click(f.PrevYearBtn);
    EXPECT_EQ(w.State(), "2025-1-31 bar January 2025");

    // So does the field: "1", "19", "199" and "1999" have no 29th of February.
    w.messages.clear();
    f.Calendar.SetMonth(3);
    f.Calendar.SetDay(1);
    f.Calendar.SetYear(2024);
    f.Calendar.SetMonth(2);
    f.Calendar.SetDay(29);
    TypeOver(f.YearSpin, "1999");
    EXPECT_EQ(w.messages, std::vector<std::string>(4, DateError));
    EXPECT_EQ(w.State(), "2024-2-29 bar January 1999");
}

TEST(CalendarForm, HidingKeepsTheDateAndShowingSynchronisesTheBar)
{
    TCalendarWindow w(2026, 1, 15);
    TCalendarForm& f = w.form;
    Click(f.NextYearBtn);
    Click(f.OkBtn);
    EXPECT_FALSE(f.Visible());
    f.ShowCalendar();
    PumpMessages();
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(w.State(), "2027-1-15 bar January 2027");
    EXPECT_EQ(GetFocus(), f.Calendar.Handle());

    // A second show only brings it forward; the close box hides it as OK does.
    FocusAndPress(f.MonthCombo.Handle(), VK_DOWN);
    f.Calendar.SetMonth(6);
    f.ShowCalendar();
    EXPECT_EQ(w.State(), "2027-6-15 bar February 2027");
    SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(f.Visible());
    f.ShowCalendar();
    PumpMessages();
    EXPECT_EQ(w.State(), "2027-6-15 bar June 2027");
    EXPECT_FALSE(f.Calendar.UseCurrentDate());

    // Esc hides it too, from the grid as from the bar, and keeps the date.
    for (HWND from : {f.Calendar.Handle(), f.YearSpin.Handle()}) {
        f.ShowCalendar();
        PumpMessages();
        FocusAndPress(from, VK_ESCAPE);
        EXPECT_FALSE(f.Visible());
    }
    EXPECT_EQ(w.State(), "2027-6-15 bar June 2027");
}

}  // namespace
