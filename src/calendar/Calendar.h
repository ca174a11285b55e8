#pragma once
// The month grid as a control: seven columns of weekdays under a fixed header row, the selected
// day drawn highlighted, picked by mouse or arrow keys.

#include <windows.h>

#include "calendar/CalendarModel.h"
#include "widgets/Controls.h"
#include "widgets/Window.h"

class TForm;

// The user's abbreviated weekday names, 0 = Sunday.
TWeekdayNames LocaleWeekdayNames();
// Today by the local clock.
TDateTime LocalToday();

class TCalendar : public TWindow, public TCalendarModel {
public:
    TCalendar(TForm& parent, const TControlSpec& place, TToday today = LocalToday);
    ~TCalendar() override;

    const TWeekdayNames& WeekdayNames() const { return weekdays_; }
    std::string CellText(TGridCell cell) const { return TCalendarModel::CellText(cell, weekdays_); }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void KeyDown(WORD key);
    void MouseDown(int x, int y);

    TForm& form_;
    TWeekdayNames weekdays_;
};
