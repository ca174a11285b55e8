#pragma once
// The cron mask editor: a mask built by picking values in five lists, and read back into them.

#include <array>
#include <string>

#include "alarms/CronSelection.h"
#include "widgets/Controls.h"
#include "widgets/Edits.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/ListBox.h"

class TCronMaskForm : public TForm {
public:
    TCronMaskForm();

    // Selects what the text says (adding to what is selected), then shows the rebuilt mask.
    void ListsFromMask(const std::string& text);
    // Shows the mask of the selections and allows OK when no field is left empty.
    void MasksFromLists();
    // The mask text on OK.
    std::string Mask() const { return MaskEdit.Text(); }

    TGroupBox GroupBox1;
    TListBox MinList;
    TLabel MinLabel;
    TLabel OfLabel;
    TListBox HourList;
    TLabel HourLabel;
    TListBox DayList;
    TLabel DayLabel;
    TLabel OnLabel;
    TListBox DOWList;
    TLabel InLabel;
    TListBox MonthList;
    TLabel MaskLabel;
    TEdit MaskEdit;
    TButton OkBtn;
    TButton CancelBtn;

    // The lists in mask order.
    std::array<TListBox*, CronFieldCount> Lists() { return {&MinList, &HourList, &DayList, &DOWList, &MonthList}; }

private:
    void MinListClick();
    void MaskEditChange();
    TCronSelection Selection();

    // Set while the editor writes MaskEdit itself, so that its own writes are not read back.
    bool selfWrite_ = false;
};
