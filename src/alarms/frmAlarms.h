#pragma once
// The alarm list: every alarm of Alarms as one row, with Add, Delete and Modify.

#include <windows.h>

#include "alarms/Alarm.h"
#include "alarms/AlarmRowText.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"
#include "base/Handles.h"
#include "widgets/ListBox.h"

// The user's formats through the locale calls.
class TLocaleFormatter : public TDateTimeFormatter {
public:
    std::string LongTime(const TSystemTime& time) const override;
    std::string ShortDate(const TSystemTime& date) const override;
};

class TAlarmsForm : public TForm {
public:
    TAlarmsForm();
    ~TAlarmsForm() override;

    TListBox AlarmBox;
    TButton AddBtn;
    TButton DelBtn;
    TButton ModifyBtn;
    TButton OkBtn;

    // Every alarm's row, in the order of Alarms. A date-conversion error ends the fill there.
    void FillAlarmList();
    // Rows for alarms added or changed elsewhere; an alarm of no known kind gets no row, and a
    // changed one of no known kind keeps its old text.
    void AddAlarmRow(TAlarm& alarm);
    void UpdateAlarmRow(TAlarm& alarm);
    // Takes the alarm's row away (the alarm itself is its owner's business).
    void RemoveAlarmRow(TAlarm& alarm);

    // Shown already: restored when minimised, and brought to the front.
    void BringToFront();

    void AlarmBoxClick();
    void AddBtnClick();
    void ModifyBtnClick();
    void DelBtnClick();
    void OkBtnClick();

    // Saves the alarms file while AutoSaveData is on; the main window fills these in.
    std::function<bool()> AutoSaveData;
    std::function<void()> SaveAlarms;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(UINT oldDpi) override;

private:
    void FormClose(TCloseAction& action);
    void UpdateButtons();
    void KeepChanges();
    void ArrangeControls();
    void MakeBoldFont();
    // The alarm a row carries, or none.
    TAlarm* RowAlarm(int index) const;

    TLocaleFormatter format_;
    TFontHandle boldFont_;
};

// The alarm list, while it exists: the clock window makes it when first asked for.
extern TAlarmsForm* AlarmsForm;
