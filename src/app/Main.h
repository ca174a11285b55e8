#pragma once
// The clock window: a borderless, top-most strip of clock faces under a caption band.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MyClock.h"
#include "app/Placement.h"
#include "options/Relayout.h"
#include "app/TopMost.h"
#include "alarms/Alarm.h"
#include "alarms/AlarmScheduler.h"
#include "alarms/RingLoop.h"
#include "alarms/WinAlarmActions.h"
#include "base/FileBackup.h"
#include "base/OvList.h"
#include "base/WinFileAccess.h"
#include "clock/TimeZoneBlock.h"
#include "clock/frmPlan.h"
#include "options/Opts.h"
#include "widgets/CommonDialogs.h"
#include "widgets/Form.h"
#include "base/Handles.h"
#include "widgets/Menu.h"
#include "widgets/Timer.h"
#include "widgets/TrayIcon.h"

// Where the window keeps its state; tests point these elsewhere.
struct TClockFormConfig {
    std::string DataFolder;  // empty: the program file's folder (the program's start chooses one)
    // The options and the window position live below this key, in SOFTWARE\Doviz\Clock.
    HKEY RegistryRoot = HKEY_CURRENT_USER;
    HKEY ZoneRoot = HKEY_LOCAL_MACHINE;
    std::string ZoneKey;  // empty: the platform family's key
};

struct TClockRecord;
struct TReadClock;
class TAlarmsForm;
class TCalendarForm;

class TClockForm : public TForm, public TClockOptionsTarget {
public:
    explicit TClockForm(const TClockFormConfig& config = {});
    ~TClockForm() override;

    // Shows the window, restoring its position the first time.
    void ShowClock();

    std::unique_ptr<TMyRoVudez> LocalClock;
    // The zone clocks in display order; gone once the window has closed.
    std::unique_ptr<TOvList<TMyRoVudez>> Clocks;
    TOvList<TTimeZoneInfo> TimeZones;
    TMyRoVudez* CurrentClock = nullptr;
    std::function<void(void* sender)> DblClickHandler;
    bool Hidden = false;

    TTopMost TopWin;
    std::unique_ptr<TClockOptions> Options;
    TTrayIcon TrayIcon;
    TPopupMenu Popup;
    TPopupMenu TrayMenu;
    TTimer MainTimer{1000, false};
    TTimer AlarmTimer{1000, true};
    TFontDialog FontDlg;
    TColorDialog ColorDlg;

    // The caption band (picture and title) and the left strip, in client coordinates.
    const TLayoutRect& Image1() const { return bandRect_; }
    const TLayoutRect& Label1() const { return bandRect_; }
    const TLayoutRect& LeftImage() const { return stripRect_; }
    bool CaptionShown() const { return layout_.ShowCaption; }
    const TLayoutOptions& LayoutOptions() const { return layout_; }

    const std::string& DataFolder() const { return dataFolder_; }
    bool CatalogueRead() const { return catalogueRead_; }

    // Puts every face and the window's size where the geometry rule says.
    void Relayout();

    void ClockSelected(TMyRoVudez& face);
    void CustDblClick(void* sender);
    void FormKeyDown(WORD key, TShiftState shift);

    // Commands of the menus and keys.
    void AddItemClick();
    void RemoveItemClick();
    void SelectTZItemClick();
    void FormatItemClick();
    void FntItemClick();
    void BkColorItemClick();
    void CustomItemClick(TMenuItem* sender);
    void AddAlarmItemClick();
    void AlarmsItemClick();
    void HideItemClick();
    void DoDblClick();
    void ToggleVisible();
    void OptionsItemClick();
    void SaveDataItemClick();
    void CloseItemClick();
    void CalendarItemClick();
    void AboutItemClick();
    // Opens the planner with its time field on that face (the local face when none).
    void PlanItemClick(TMyRoVudez* face);
    // "Add reminder" proposing that local moment.
    void AddReminder(const TSystemTime& moment);

    // The planner, once opened.
    TPlanForm* Planner() const { return planner_.get(); }
    // The local face's zone for planning; the system's when not set (tests fix one).
    std::optional<TZoneRules> LocalZone;

    void SaveClocks();
    void LoadClocks();
    void SaveAlarms();
    void LoadAlarms();
    // Runs the alarm scheduler over Alarms at this moment.
    void AlarmTimerTimer();
    // What a due alarm does.
    void SignalAlarm(TAlarm& alarm);
    // The wake timer at the next alarm while WakeForAlarms is on; cancelled when off.
    void KeepWakeTimer(const TClockReading& now, std::int64_t local);
    void Resumed();
    // Deletes a signalled alarm that is disabled, to be removed, and held by no window; true
    // when it did.
    bool DeleteIfFinished(TAlarm& alarm);

    // The sound, the process start and the clock that the alarms use; tests record instead.
    TAlarmServices Services = SystemAlarmServices();

    bool AutoSaveData() const { return Options && Options->AutoSaveData; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool CloseQuery() override;
    void DpiChanged(UINT oldDpi) override;

private:
    void BindApplicationEvents();
    void UnbindApplicationEvents();
    void BuildMenus();
    void BuildReminderItems(TMenuItem& parent, const char* suffix);
    void CreateLocalClock();
    void MakeTitleFont();
    // What every new face starts with: colours, font, local time labelled "Local time", the menu.
    void SetFaceDefaults(TMyRoVudez& face);
    // Applies a record of the clocks file as far as it was read.
    void ApplyClock(TMyRoVudez& face, const TReadClock& read);
    std::vector<TClockRecord> ClockRecords() const;
    // Tells the user what a save left unsaved; empty: nothing new to tell.
    void TellSaveFailure(const std::string& text);
    // Moves the window back onto its monitor's work area after it has grown.
    void KeepOnMonitor();
    void FormCreate();
    void FormClose();
    void FormDestroy();
    // The logoff or shutdown step: what exit saves, saved at once.
    void EndSession();
    void CloseMessageWindows();
    // Saves what the tick's signals disabled or deleted, when AutoSaveData is on.
    void KeepSignalChanges();
    // Deletes the remove-after-signal alarms that only their open message windows still keep.
    void DeleteAlarmsLeftToWindows();
    void MainTimerTimer();
    // The faces show the planner's moment while it is open.
    void ApplyPlan();
    void PlanClosed();
    void PlanCopy();
    TPlanZone LocalPlanZone() const;
    TPlanZone FacePlanZone(const TMyRoVudez& face) const;
    void PlacePlanner();
    // The system's zones may have changed: their rules are read again and every face refreshed.
    void ZonesChanged();
    void Paint(HDC dc) override;
    LRESULT HitTest(LPARAM screenPoint) const;

    // What the options' setters do to the window.
    void SetTopMost(bool onTop) override;
    void ApplyLayout(const TLayoutOptions& layout) override;
    void SetDaylightAdjust(bool on) override;
    void SetLocalSeconds(bool show) override;
    void SetZoneSeconds(bool show) override;
    void SetTrayIconAlways(bool show) override;
    void BindDblClick(TDblClickAction action) override;
    void SetStartWithWindows(bool on) override;
    void SetZoneDaylight(bool on) override;

    std::vector<std::unique_ptr<TMyRoVudez>> zoneFaces_;
    std::string dataFolder_;
    std::uint64_t folderKey_;
    TWinFileAccess files_;
    // Files whose load fell short, kept before they are first overwritten.
    TFileBackup clocksBackup_;
    TFileBackup alarmsBackup_;
    TAlarmScheduler scheduler_;
    // The sounds of message windows that repeat until heard (RepeatSound).
    TRingLoop ringLoop_;
    std::optional<std::int64_t> wakeSet_;  // the wake timer's moment (UTC), as last set
    TClockFormConfig config_;
    TPlacement placement_;
    TLayoutOptions layout_;
    TLayoutRect bandRect_;
    TLayoutRect stripRect_;
    TBitmapHandle captionBitmap_;
    TFontHandle titleFont_;
    bool catalogueRead_ = false;
    // The start-up load has finished: only from then on is anything saved.
    bool loaded_ = false;
    bool endingSession_ = false;
    bool alarmsUnsaved_ = false;  // the last save of the alarms failed or was skipped
    unsigned retryTicks_ = 0;
    bool holdRelayout_ = false;
    // A hide that waits for the tray icon to go in.
    bool hideWhenIconIn_ = false;
    bool destroyed_ = false;
    bool signalChanged_ = false;
    // Made when first asked for: most runs never show them.
    std::unique_ptr<TAlarmsForm> alarmList_;
    std::unique_ptr<TCalendarForm> calendar_;
    std::unique_ptr<TPlanForm> planner_;
};

// The program's main window, while it exists.
extern TClockForm* ClockForm;
