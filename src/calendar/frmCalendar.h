#pragma once
// The calendar window: a month grid under a bar that moves it by month and year.

#include "calendar/Calendar.h"
#include "widgets/Controls.h"
#include "widgets/Font.h"
#include "widgets/Form.h"
#include "widgets/SpinEdit.h"

class TCalendarForm : public TForm {
private:
    // Before the controls, which take it when they are made.
    TFont comboFont_;

public:
    explicit TCalendarForm(TCalendarModel::TToday today = LocalToday);
    ~TCalendarForm() override;

    // Shows the window without making it modal; one that is up already only comes forward.
    void ShowCalendar();

    TButton PrevYearBtn;
    TButton PrevMonBtn;
    TComboBox MonthCombo;
    TSpinEdit YearSpin;
    TButton NextMonBtn;
    TButton NextYearBtn;
    TCalendar Calendar;
    TButton OkBtn;

    void FormShow();
    void PrevYearBtnClick();
    void NextYearBtnClick();
    void PrevMonBtnClick();
    void NextMonBtnClick();
    void MonthComboChange();
    void YearSpinChange();
    void OkBtnClick();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(UINT oldDpi) override;

private:
    // The month list and the year field show the grid's month and year.
    void SynchronizeBar();

    HWND lastFocus_ = nullptr;
};

// The user's full month names, January first.
std::vector<std::string> LocaleMonthNames();

// The program's calendar window, while it exists.
extern TCalendarForm* CalendarForm;
