#include "app/Main.h"

#include <exception>

#include "../../res/resource.h"
#include "app/DataFolder.h"
#include "app/KeyTable.h"
#include "app/SingleInstance.h"
#include "app/WorkArea.h"
#include "alarms/AlarmScheduler.h"
#include "alarms/frmMessage.h"
#include "alarms/frmAlarms.h"
#include "calendar/frmCalendar.h"
#include "clock/TimeZones.h"
#include "options/OptionsStore.h"
#include "options/frmOpt.h"
#include "widgets/About.h"
#include "widgets/Application.h"

TClockForm* ClockForm = nullptr;

namespace {

// The most the client may take: the work area of the window's monitor, less any frame.
TLayoutRoom WorkAreaRoom(const TWindow& window)
{
    RECT work, frame, client;
    if (!window.WorkArea(work) || !GetWindowRect(window.Handle(), &frame) || !GetClientRect(window.Handle(), &client))
        return {};
    return {(work.right - work.left) - (frame.right - frame.left - client.right),
            (work.bottom - work.top) - (frame.bottom - frame.top - client.bottom)};
}

TForm::TParams ClockFormParams()
{
    TForm::TParams p;
    p.ClassName = "TClockForm";
    p.Caption = "Doviz Clock";
    p.BorderStyle = bsNone;
    p.Position = poDesigned;
    p.ClientWidth = 104;
    p.ClientHeight = 40;
    p.Icon = static_cast<HICON>(
        LoadImageA(Application.Instance(), MAKEINTRESOURCEA(IDI_DOVIZCLOCK), IMAGE_ICON, 32, 32, LR_SHARED));
    return p;
}

}  // namespace

TClockForm::TClockForm(const TClockFormConfig& config)
    : TForm(ClockFormParams()),
      dataFolder_(config.DataFolder.empty() ? ProgramFolder() : config.DataFolder),
      folderKey_(DataFolderKey(dataFolder_)),
      config_(config),
      placement_(Handle(), config.RegistryRoot, "SOFTWARE\\Doviz\\Clock\\TClockForm")
{
    ClockForm = this;
    Application.SetMainWindow(Handle());
    KeyPreview = true;
    OnKeyDown = [this](TForm&, WORD key, TShiftState shift) { FormKeyDown(key, shift); };
    captionBitmap_.Reset(static_cast<HBITMAP>(
        LoadImageA(Application.Instance(), MAKEINTRESOURCEA(IDB_CAPTION), IMAGE_BITMAP, 0, 0, 0)));
    MakeTitleFont();
    BuildMenus();
    TopWin.SetOwner(Handle());
    bandRect_ = {0, 0, Scale(104), Scale(BandHeight)};
    stripRect_ = {0, Scale(BandHeight), Scale(StripWidth), Scale(40 - BandHeight)};

    // Loading: the catalogue, the local clock, top-most, then what is stored.
    Clocks = std::make_unique<TOvList<TMyRoVudez>>();
    catalogueRead_ = GetTimeZones(TimeZones, config.ZoneRoot, config.ZoneKey.empty() ? nullptr : config.ZoneKey.c_str());
    if (!catalogueRead_) {
        Application.ShowMessageBox("Couldn't get TimeZone information", "Doviz Clock", MB_OK | MB_ICONERROR);
        Application.Terminate();
    }
    SetClientSize(FaceWidth, 40);
    MainTimer.SetEnabled(true);
    MainTimer.OnTimer = [this](TTimer&) { MainTimerTimer(); };
    AlarmTimer.OnTimer = [this](TTimer&) { AlarmTimerTimer(); };
    CreateLocalClock();
    TopWin.SetTopMost(true);
    Relayout();

    TrayIcon.SetIcon(ClockFormParams().Icon);
    TrayIcon.SetHint("Doviz Clock");
    TrayIcon.PopupMenu = &TrayMenu;
    TrayIcon.OnDblClick = [this](TTrayIcon& icon) { CustDblClick(&icon); };

    // The stored options reshape the window through their setters, which act only on a change
    // from the defaults: the faces' module-wide flags start at the defaults too.
    DaylightAdjust = false;
    ZoneDaylight = false;
    Options = std::make_unique<TClockOptions>(WinOptionsBackEnds(config.RegistryRoot), this);
    Options->SetAutoSave(true);
    Application.Guard([this] { Options->Load(); });
    LoadClocks();
    LoadAlarms();
    loaded_ = true;
    // A run that ended before it could store the option "off" may have left the logon start.
    if (!Options->StartWithWindows()) SetStartWithWindows(false);
    // The loaded faces take their zones' rules.
    MainTimerTimer();

    FormCreate();
    BindApplicationEvents();

    // The designed place: near the top right corner of the work area, inside it however large.
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT wr;
    GetWindowRect(Handle(), &wr);
    const TLayoutRect place = DesignedPlace(wr.right - wr.left, wr.bottom - wr.top,
                                            {work.left, work.top, work.right - work.left, work.bottom - work.top}, Scale(24));
    SetWindowPos(Handle(), nullptr, place.Left, place.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TClockForm::~TClockForm()
{
    planner_.reset();
    calendar_.reset();
    alarmList_.reset();
    UnbindApplicationEvents();
    FormDestroy();
    if (ClockForm == this) ClockForm = nullptr;
    if (Application.MainWindow() == Handle()) Application.SetMainWindow(nullptr);
}

void TClockForm::MakeTitleFont()
{
    LOGFONTA lf{};
    lf.lfHeight = -Scale(12);
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    strcpy(lf.lfFaceName, "Times New Roman");
    titleFont_.Reset(CreateFontIndirectA(&lf));
}

void TClockForm::CreateLocalClock()
{
    LocalClock = std::make_unique<TMyRoVudez>(Handle());
    SetFaceDefaults(*LocalClock);
    LocalClock->SetUseTimer(true);
    LocalClock->ShowSeconds = true;
    LocalClock->UpdateDisplay();
}

void TClockForm::FormCreate()
{
    // No taskbar button: the owner window that stands for the program is a hidden tool window.
    // It stays hidden, since some shells give every visible unowned window a button whatever its
    // style; the forms it owns don't need it shown.
    HWND app = Application.Handle();
    ShowWindow(app, SW_HIDE);
    SetWindowLongPtrA(app, GWL_EXSTYLE, GetWindowLongPtrA(app, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

void TClockForm::ShowClock()
{
    placement_.RestoreOnFirstShow();
    ShowWindow(Handle(), SW_SHOWNA);
    TopWin.Apply();
    UpdateWindow(Handle());
}

void TClockForm::BuildReminderItems(TMenuItem& parent, const char* suffix)
{
    const std::string n = suffix;
    auto reminder = [this](TMenuItem& item) { CustomItemClick(&item); };
    parent.Add("In1minute" + n, "In &1 minute", "", 1).OnClick = reminder;
    parent.Add("In5minutes" + n, "In &5 minutes", "", 5).OnClick = reminder;
    parent.Add("In10minutes" + n, "In 1&0 minutes", "", 10).OnClick = reminder;
    parent.Add("In15minutes" + n, "In 15 minutes", "", 15).OnClick = reminder;
    parent.AddSeparator();
    parent.Add(n == "1" ? "CustomItem" : "Custom1", "&Custom ...", "", -1).OnClick = reminder;
}

void TClockForm::BuildMenus()
{
    auto on = [](TMenuItem& item, std::function<void()> action) {
        item.OnClick = [action](TMenuItem&) { action(); };
    };
    TMenuItem& p = Popup.Items();
    on(p.Add("AddItem", "A&dd clock", "Shift+A"), [this] { AddItemClick(); });
    on(p.Add("RemoveItem", "&Remove clock"), [this] { RemoveItemClick(); });
    p.AddSeparator();
    on(p.Add("SelectTZItem", "Set &Time zone"), [this] { SelectTZItemClick(); });
    on(p.Add("FormatItem", "Switch &12/24 hours format"), [this] { FormatItemClick(); });
    on(p.Add("FntItem", "Change clock &font"), [this] { FntItemClick(); });
    on(p.Add("BkColorItem", "Change clock &background color"), [this] { BkColorItemClick(); });
    p.AddSeparator();
    BuildReminderItems(p.Add("AddRemindItem", "Add reminder"), "1");
    on(p.Add("AddAlarmItem", "Add a&larm ...", "Ctrl+A"), [this] { AddAlarmItemClick(); });
    on(p.Add("AlarmsItem", "Alarms ...", "Shift+Ctrl+A"), [this] { AlarmsItemClick(); });
    p.AddSeparator();
    on(p.Add("HideItem", "&Hide Doviz Clock"), [this] { HideItemClick(); });
    on(p.Add("OptionsItem", "&Options ...", "Ctrl+O"), [this] { OptionsItemClick(); });
    on(p.Add("SaveDataItem", "Save clock and alarm settings now", "Ctrl+S"), [this] { SaveDataItemClick(); });
    on(p.Add("CloseItem", "E&xit"), [this] { CloseItemClick(); });
    p.AddSeparator();
    on(p.Add("CalendarItem", "&Calendar"), [this] { CalendarItemClick(); });
    on(p.Add("PlanItem", "Plan a time ...", "Ctrl+P"), [this] { PlanItemClick(CurrentClock); });
    on(p.Add("AboutItem", "&About ..."), [this] { AboutItemClick(); });
    Popup.Build();

    TMenuItem& t = TrayMenu.Items();
    on(t.Add("ShowClockItem", "&Show clock"), [this] { DoDblClick(); });
    on(t.Add("HideClockItem", "&Hide clock"), [this] { HideItemClick(); });
    t.AddSeparator();
    BuildReminderItems(t.Add("Addreminder1", "Add reminder"), "2");
    on(t.Add("Addalarm1", "Add a&larm ...", "Ctrl+A"), [this] { AddAlarmItemClick(); });
    on(t.Add("Alarms1", "Alarms ...", "Shift+Ctrl+A"), [this] { AlarmsItemClick(); });
    t.AddSeparator();
    on(t.Add("Options1Item", "&Options ..."), [this] { OptionsItemClick(); });
    on(t.Add("Exit1Item", "E&xit"), [this] { CloseItemClick(); });
    t.AddSeparator();
    on(t.Add("Calendar1Item", "&Calendar"), [this] { CalendarItemClick(); });
    on(t.Add("Plan1Item", "Plan a time ...", "Ctrl+P"), [this] { PlanItemClick(nullptr); });
    on(t.Add("About1Item", "&About ..."), [this] { AboutItemClick(); });
    // The clock's own menu can't be reached while a dialog is modal; the tray's can. Its
    // commands that open windows bring that dialog forward instead, so that none opens over it.
    std::function<void(TMenuItem&)> forward = [&forward](TMenuItem& parent) {
        for (const auto& item : parent.Items()) {
            forward(*item);
            const std::string& name = item->Name();
            if (!item->OnClick || name == "ShowClockItem" || name == "HideClockItem" || name == "Exit1Item") continue;
            item->OnClick = [click = item->OnClick](TMenuItem& sender) {
                if (TForm* modal = TForm::TopModal()) {
                    SetForegroundWindow(modal->Handle());
                    BringWindowToTop(modal->Handle());
                    return;
                }
                click(sender);
            };
        }
    };
    forward(t);
    TrayMenu.Build();
}

void TClockForm::Relayout()
{
    if (holdRelayout_) return;
    const int faces = 1 + (Clocks ? Clocks->Count() : 0);
    // Every face as large as the largest room that a face's text needs, at least the rule's size,
    // but the window no larger than its monitor's work area: beyond it faces can't be reached.
    TFaceNeed need = LocalClock ? LocalClock->TextNeed() : TFaceNeed{};
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) need = Largest(need, Clocks->Items(i)->TextNeed());
    TClockLayout l = ::Relayout(faces, layout_, static_cast<int>(Dpi()), need, WorkAreaRoom(*this));
    const SIZE before = ClientSize();
    SetClientPixels(l.ClientWidth, l.ClientHeight);
    const SIZE after = ClientSize();
    if (after.cx != before.cx || after.cy != before.cy) KeepOnMonitor();
    // Hidden elements keep the place they last had.
    if (layout_.ShowCaption)
        bandRect_ = l.Band;
    else
        stripRect_ = l.LeftStrip;
    if (LocalClock) {
        LocalClock->SetBounds(l.Faces[0].Left, l.Faces[0].Top, l.Faces[0].Width, l.Faces[0].Height);
        for (int i = 1; Clocks && i < faces; ++i)
            Clocks->Items(i - 1)->SetBounds(l.Faces[i].Left, l.Faces[i].Top, l.Faces[i].Width, l.Faces[i].Height);
    }
    Invalidate();
}

void TClockForm::DpiChanged(UINT oldDpi)
{
    MakeTitleFont();
    // The element that is hidden keeps its place, in the new pixels.
    TLayoutRect& kept = layout_.ShowCaption ? stripRect_ : bandRect_;
    auto scale = [&](int v) { return MulDiv(v, static_cast<int>(Dpi()), static_cast<int>(oldDpi)); };
    kept = {scale(kept.Left), scale(kept.Top), scale(kept.Width), scale(kept.Height)};
    // One layout for all the faces' new needs.
    holdRelayout_ = true;
    if (LocalClock) LocalClock->SetDpi(Dpi());
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) Clocks->Items(i)->SetDpi(Dpi());
    holdRelayout_ = false;
    Relayout();
}

void TClockForm::FormKeyDown(WORD key, TShiftState shift)
{
    for (TKeyCommand command : CommandsForKey(key, {shift.Shift, shift.Ctrl, shift.Alt})) {
        switch (command) {
        case TKeyCommand::AddClock:
            AddItemClick();
            break;
        case TKeyCommand::AddAlarm:
            AddAlarmItemClick();
            break;
        case TKeyCommand::Alarms:
            AlarmsItemClick();
            break;
        case TKeyCommand::Options:
            OptionsItemClick();
            break;
        case TKeyCommand::SaveData:
            SaveDataItemClick();
            break;
        case TKeyCommand::Plan:
            PlanItemClick(nullptr);
            break;
        }
    }
}

void TClockForm::MainTimerTimer()
{
    if (!Clocks) return;
    for (int i = 0; i < Clocks->Count(); ++i) {
        TMyRoVudez& face = *Clocks->Items(i);
        // A face follows the rules of the catalogue entry it names, wherever it got its zone.
        face.Rules = face.Tag >= 0 && face.Tag < TimeZones.Count() ? &TimeZones.Items(face.Tag)->Rules : nullptr;
        face.UpdateDisplay();
    }
    // A face added or given a zone while a time is planned shows that time too.
    ApplyPlan();
}

void TClockForm::ZonesChanged()
{
    RereadZoneRules(TimeZones, config_.ZoneRoot, config_.ZoneKey.empty() ? nullptr : config_.ZoneKey.c_str());
    if (LocalClock) LocalClock->UpdateDisplay();
    MainTimerTimer();
}

// ---- options and the data files

void TClockForm::OptionsItemClick()
{
    // Written at once, so that a crash can't leave the logon start and the box at odds.
    if (RunOptionsDialog(*Options) && Options->AutoSave()) Application.Guard([this] { Options->Save(); });
}

void TClockForm::SaveDataItemClick()
{
    SaveClocks();
    SaveAlarms();
}

void TClockForm::CloseItemClick()
{
    Close();
}

void TClockForm::AboutItemClick()
{
    ShowAboutBox(dataFolder_);
}

// ---- window messages

void TClockForm::Paint(HDC dc)
{
    RECT client = ClientRect();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    {
        TMemoryDC mem(CreateCompatibleDC(dc));
        BITMAP bm{};
        if (captionBitmap_) GetObjectA(captionBitmap_.Get(), sizeof bm, &bm);
        TSelectObject picture(mem.Get(), captionBitmap_.Get());
        SetStretchBltMode(dc, COLORONCOLOR);
        const TLayoutRect& r = layout_.ShowCaption ? bandRect_ : stripRect_;
        StretchBlt(dc, r.Left, r.Top, r.Width, r.Height, mem.Get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
    if (layout_.ShowCaption) {
        TSelectObject font(dc, titleFont_.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        RECT title{0, 0, client.right, bandRect_.Height};
        DrawTextA(dc, "Doviz Clock", -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

LRESULT TClockForm::HitTest(LPARAM screenPoint) const
{
    POINT p{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    ScreenToClient(Handle(), &p);
    for (const TLayoutRect* r : {&bandRect_, &bandRect_, &stripRect_})
        if (r->ContainsInclusive(p.x, p.y)) return HTCAPTION;
    return HTCLIENT;
}

LRESULT TClockForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // A second start from our data folder: it ends, and this copy comes forward.
    if (msg == ShowRunningCopyMessage() && msg != 0) {
        if (static_cast<std::uint64_t>(lParam) != folderKey_ || !Options) return 0;
        DoDblClick();
        return 1;
    }
    switch (msg) {
    case WM_NCHITTEST:
        return HitTest(lParam);
    case WM_NCLBUTTONDBLCLK:
        CustDblClick(this);
        return 0;
    case WM_PAINT:
        return PaintMessage();
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMECHANGE:
        // The system clock or zone was set: every face shows the new time at once, not at its next tick.
        ZonesChanged();
        return 0;
    case WM_DISPLAYCHANGE:
        // Another screen size or work area: the faces take the room there is now.
        Relayout();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) Relayout();
        // The zones' rules may have been updated; no text names that reliably, so any change
        // that names none or names the zones counts.
        if (!lParam || lstrcmpiA(reinterpret_cast<const char*>(lParam), "TimeZoneInformation") == 0 ||
            lstrcmpiA(reinterpret_cast<const char*>(lParam), "Time Zones") == 0)
            ZonesChanged();
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) Resumed();
        return TRUE;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // A cancelled end changes nothing.
        if (wParam) EndSession();
        return 0;
    case WM_DESTROY:
        FormDestroy();
        break;
    default:
        break;
    }
    return TForm::WndProc(msg, wParam, lParam);
}
