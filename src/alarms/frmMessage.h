#pragma once
// The message window of a signalled alarm, with its "Remind later" button and menu. Several may
// be open for one alarm; each frees itself once closed.

#include <functional>

#include "alarms/Alarm.h"
#include "alarms/AlarmActions.h"
#include "base/ClockSource.h"
#include "widgets/Controls.h"
#include "widgets/Edits.h"
#include "widgets/Font.h"
#include "widgets/Form.h"
#include "widgets/Menu.h"
#include "widgets/SplitButton.h"

// What the window does to the rest of the program.
class TMessageForm;

struct TMessageHooks {
    const TClockSource* Clock = nullptr;
    // The properties dialog on the alarm, proposing it enabled at a moment; true on OK.
    std::function<bool(TAlarm&, const TSystemTime& proposal)> EditAlarm;
    // A confirmed change: the alarm's row in the alarm list shows it.
    std::function<void(TAlarm&)> AlarmChanged;
    // The alarm's last window has closed; the alarm goes if it is finished.
    std::function<void(TAlarm&)> LastWindowClosed;
    // The user answered the window (OK, Esc, the close box, "Remind later"), or it went: its
    // sound, if it repeats, stops.
    std::function<void(TMessageForm&)> Heard;
};

class TMessageForm : public TForm, public TAlarmWindow {
public:
    // Opens a window for the alarm, not modal, as the last of its windows. The program comes to
    // the foreground.
    static TMessageForm* Open(TAlarm& alarm, const std::string& title, const TMessageHooks& hooks);

    explicit TMessageForm(const TMessageHooks& hooks);
    ~TMessageForm() override;

    // Cleared when the alarm is destroyed while the window is open.
    TAlarm* Alarm = nullptr;

    TPanel Panel1;
    TLabel Label1;
    TLabel CaptionText;
    TMemo TextMemo;
    TButton OkBtn;
    TSplitButton LaterBtn;
    TPopupMenu ResheduleMenu;

    void OkBtnClick();
    // "Remind later": a menu item's tag gives the minutes, -1 (or the button itself) the dialog.
    void ModifyItemClick(TMenuItem* sender);
    void DetachAlarm() override;
    // Its sound repeated as long as it may: the window says so above the message.
    void RangOut();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void HandleDestroyed() override;
    void DpiChanged(UINT oldDpi) override;

private:
    void FormClose(TCloseAction& action);
    // Placed by the system over a message window already open: moved on until it hides none.
    void Cascade();
    void BuildMenu();
    void ArrangeCaption();

    TMessageHooks hooks_;
    TFont boldFont_;
};
