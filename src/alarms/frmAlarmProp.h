#pragma once
// The alarm properties dialog: every property of one alarm, and the two ways it is run.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "alarms/Alarm.h"
#include "alarms/AlarmActions.h"
#include "widgets/Controls.h"
#include "widgets/DateTimeFields.h"
#include "widgets/Edits.h"
#include "widgets/FileNameEdit.h"
#include "widgets/Form.h"
#include "widgets/Timer.h"

class TAlPropForm : public TForm, public TAlarmWindow {
public:
    TAlPropForm();

    // Left half: the name, the type and the flags.
    TLabel Label1;
    TEdit NameEdit;
    TLabel Label2;
    TRadioButton ReminderRB;
    TDateField DatePicker1;
    TTimeField TimePicker2;
    TRadioButton CronRB;
    TEdit CronEdit;
    TButton MaskEditBtn;
    TCheckBox OnceADayCB;
    TRadioButton UsualRB;
    TTimeField TimePicker1;
    TCheckBox EnabledCB;
    TCheckBox OneTimeCB;
    TCheckBox RemoveCB;

    // Right half: the actions.
    TPanel Panel4;
    TLabel Label3;
    TCheckBox SoundCB;
    TRadioButton DefSoundRB;
    TRadioButton CustomSoundRB;
    TFileNameEdit SoundEdit;
    TButton PlayBtn;
    TCheckBox MessageCB;
    TMemo MessageMemo;
    TCheckBox RunCB;
    TLabel Label4;
    TFileNameEdit AppLineEdit;
    TLabel Label5;
    TEdit AppDirEdit;
    TButton DirBtn;

    // When the alarm as edited will next ring, kept up to date as it is edited and as time passes.
    TLabel NextRingLabel;
    TTimer NextRingTimer;
    TButton OkBtn;
    TButton CancelBtn;

    // The enabling rules, each in the handler of the control that drives it.
    void UpdateKindControls();
    void ReminderRBClick();
    void OneTimeCBClick();
    void EnabledCBClick();
    void SoundCBClick();
    void DefSoundRBClick();
    void SoundEditChange();
    void MessageCBClick();
    void RunCBClick();
    // The next-ring line for the controls as they stand, at the local moment given.
    void UpdateNextRing(std::int64_t now);
    void UpdateNextRing();

    void PlayBtnClick();
    void DirBtnClick();
    void MaskEditBtnClick();
    // OK, once a cron mask that never matches is confirmed as meant.
    void OkBtnClick();

    // The alarm being edited; none for a new one or once its alarm has been destroyed.
    TAlarm* Alarm() const { return alarm_; }
    void SetAlarm(TAlarm* alarm) { alarm_ = alarm; }
    // Its alarm is gone: nothing is left to write back, so the dialog closes as cancelled.
    void DetachAlarm() override;
    void BringToFront();

    // The controls as they stand, into the alarm.
    void WriteBack(TAlarm& alarm) const;

private:
    void FormKeyDown(WORD key);

    TAlarm* alarm_ = nullptr;
};

// Runs the dialog for a new alarm: a usual one at defaultTime's time of day, or a reminder at
// defaultTime. The new alarm on OK, none on Cancel.
std::unique_ptr<TAlarm> NewAlarm(bool isReminder, const TSystemTime& defaultTime);

// Runs the dialog on an alarm; OK writes it back and gives true. alarm.PropDialog names the
// dialog while it is open. With a proposal ("Remind later"), the dialog shows the alarm enabled
// at that moment; the alarm itself changes only on OK.
bool EditAlarm(TAlarm& alarm, const TSystemTime* proposal = nullptr);

// Who plays the sound that the play button tries, as an alarm's own would be played. Null: the
// system's player; tests put a recorder here.
extern TSoundPlayer* PropSoundPlayer;
