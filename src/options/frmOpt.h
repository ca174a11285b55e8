#pragma once
// The options dialog: the clock options as check boxes, the double-click action and the layout.

#include "options/Opts.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

class TOptForm : public TForm {
public:
    TOptForm();

    // Copies the options into the controls.
    void ReadOptions(const TClockOptions& options);
    // Copies the controls back through the setters, so that each acts only on a change.
    void ApplyOptions(TClockOptions& options) const;

    TPanel UpperPanel;
    TCheckBox OnTopCB;
    TCheckBox DateCB;
    TCheckBox CaptionCB;
    TCheckBox HintCB;
    TCheckBox ShowTrayCB;
    TCheckBox ShowSecCB;
    TCheckBox DayTimeCB;
    TCheckBox ShowTZSecsCB;
    TCheckBox AutoSaveDataCB;
    TCheckBox StartWithWindowsCB;
    TCheckBox ZoneDSTCB;
    TCheckBox RepeatSoundCB;
    TCheckBox WakeForAlarmsCB;
    TLabel Label2;
    TComboBox ActionCombo;

    TPanel LowerPanel;
    TLabel Label1;
    TRadioButton HorzRB;
    TRadioButton VertRB;

    TButton OkBtn;
    TButton CancelBtn;
};

// Opens a fresh dialog on the options; OK applies it (true), anything else leaves them as they were.
bool RunOptionsDialog(TClockOptions& options);
