#pragma once
// The clock's options. Every setter stores the value, then makes the main window show it.

#include "options/Relayout.h"
#include "options/OvOpts.h"

#include <cstdint>

// Stored as its ordinal; a stored value outside 0-6 is kept and binds nothing.
enum TDblClickAction : std::uint8_t {
    dcaRestore = 0,
    dcaAddClock = 1,
    dcaAddAlarm = 2,
    dcaAddReminder = 3,
    dcaCalendar = 4,
    dcaOptions = 5,
    dcaPlan = 6,
};

constexpr bool IsBindable(TDblClickAction action)
{
    return action <= dcaPlan;
}

// What the setters act on: the main window. Each setter makes at most one call, and only when
// its value changes (DblClickAction: every time it is assigned 0-6).
class TClockOptionsTarget {
public:
    // OnTop.
    virtual void SetTopMost(bool onTop) = 0;
    // ShowDate, ShowHint, ShowCaption, VertLayout: the new complete layout. The window sets every
    // face's ShowDate and Labels, shows the band or the strip, and takes its geometry from Relayout.
    virtual void ApplyLayout(const TLayoutOptions& layout) = 0;
    // DayTime: the clock faces' DaylightAdjust.
    virtual void SetDaylightAdjust(bool on) = 0;
    // ShowSecs: LocalClock's seconds.
    virtual void SetLocalSeconds(bool show) = 0;
    // ShowTZSecs: the seconds of every face in Clocks.
    virtual void SetZoneSeconds(bool show) = 0;
    // ShowTrayIcon: the icon stays in the tray while the window is visible too.
    virtual void SetTrayIconAlways(bool show) = 0;
    // DblClickAction, 0-6 only: DblClickHandler := the action's operation.
    virtual void BindDblClick(TDblClickAction action) = 0;
    // StartWithWindows: the program is started at logon (on) or no longer (off).
    virtual void SetStartWithWindows(bool on) = 0;
    // ZoneDST: every zone face follows its own zone's daylight saving rules (on), or the hour
    // option for all (off).
    virtual void SetZoneDaylight(bool on) = 0;

protected:
    ~TClockOptionsTarget() = default;
};

class TClockOptions : public TOvOptions {
public:
    // target may be null (the setters then only store) and must outlive the object's setters.
    TClockOptions(TOvBackEndFactory backEnds, TClockOptionsTarget* target = nullptr);
    ~TClockOptions() override;

    void SetTarget(TClockOptionsTarget* target) { target_ = target; }

    bool OnTop() const { return onTop_; }
    bool ShowDate() const { return showDate_; }
    bool ShowHint() const { return showHint_; }
    bool ShowCaption() const { return showCaption_; }
    bool VertLayout() const { return vertLayout_; }
    bool DayTime() const { return dayTime_; }
    bool ShowSecs() const { return showSecs_; }
    bool ShowTZSecs() const { return showTZSecs_; }
    bool ShowTrayIcon() const { return showTrayIcon_; }
    bool StartWithWindows() const { return startWithWindows_; }
    bool ZoneDST() const { return zoneDST_; }
    TDblClickAction DblClickAction() const { return dblClickAction_; }
    TLayoutOptions Layout() const;

    void SetOnTop(TOvBool value);
    void SetShowDate(TOvBool value);
    void SetShowHint(TOvBool value);
    void SetShowCaption(TOvBool value);
    void SetVertLayout(TOvBool value);
    void SetDayTime(TOvBool value);
    void SetShowSecs(TOvBool value);
    void SetShowTZSecs(TOvBool value);
    void SetShowTrayIcon(TOvBool value);
    void SetStartWithWindows(TOvBool value);
    void SetZoneDST(TOvBool value);
    void SetDblClickAction(TDblClickAction value);

    // No setter: assigning it only stores it.
    TOvBool AutoSaveData = true;
    // A ringing alarm's sound repeats until its message window is closed or reminded later.
    TOvBool RepeatSound = false;
    // A timer wakes the computer from sleep for the next alarm.
    TOvBool WakeForAlarms = false;

protected:
    void DeclareProperties(TOvPropertyTable& table) override;

private:
    void StoreLayout(TOvBool& field, TOvBool value);

    TClockOptionsTarget* target_;
    TOvBool onTop_ = true;
    TOvBool showDate_ = false;
    TOvBool showHint_ = false;
    TOvBool showCaption_ = true;
    TOvBool vertLayout_ = false;
    TOvBool dayTime_ = false;
    TOvBool showSecs_ = true;
    TOvBool showTZSecs_ = false;
    TOvBool showTrayIcon_ = false;
    TOvBool startWithWindows_ = false;
    TOvBool zoneDST_ = false;
    TDblClickAction dblClickAction_ = dcaRestore;
};
