#include "alarms/frmMessage.h"

#include <vector>

#include "alarms/AlarmLife.h"
#include "alarms/CascadePlace.h"
#include "base/Handles.h"
#include "base/SystemTimeRecord.h"

namespace {

// Frees a closed window once the handler that closed it has returned.
constexpr UINT WM_RELEASE = WM_APP + 0x200;

TForm::TParams MessageParams()
{
    TForm::TParams p = TForm::DialogParams("TMessageForm", "Alarm!", 259, 125);
    // Where the system puts new windows.
    p.Position = poDefault;
    return p;
}

// Lines typed elsewhere may end in a bare line feed, which an edit control would not break at.
std::string WithLineBreaks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string LocalText(const TSystemTime& time, bool date)
{
    SYSTEMTIME st = FromRecord(time);
    char buf[100] = {};
    if (date) GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, sizeof buf);
    else GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &st, nullptr, buf, sizeof buf);
    return buf;
}

// "Due at 14:05", with the date when it was not today.
std::string DueAtText(const TSystemTime& due, const TSystemTime& now)
{
    const bool today = due.wYear == now.wYear && due.wMonth == now.wMonth && due.wDay == now.wDay;
    return "Due at " + (today ? "" : LocalText(due, true) + " ") + LocalText(due, false);
}

int TextWidth(HWND window, HFONT font, const std::string& text)
{
    TWindowDC dc(window);
    TSelectObject select(dc.Get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

TPlace PlaceOf(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK CollectMessageWindow(HWND hwnd, LPARAM lParam)
{
    if (IsWindowVisible(hwnd) && dynamic_cast<TMessageForm*>(TWindow::FromHandle(hwnd))) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        reinterpret_cast<std::vector<TPlace>*>(lParam)->push_back(PlaceOf(r));
    }
    return TRUE;
}

}  // namespace

TMessageForm::TMessageForm(const TMessageHooks& hooks)
    : TForm(MessageParams()),
      Panel1(*this, {0, 0, 259, 21, {}, {}}, bvRaised),
      Label1(*this, {6, 4, 70, 14, "Message from ", {}}, Panel1.Handle()),
      CaptionText(*this, {76, 4, 177, 14, {}, {}}, Panel1.Handle()),
      TextMemo(*this, {0, 21, 259, 64, {}, {}}, ssBoth, false),
      OkBtn(*this, {32, 93, 75, 25, "OK", "Close the window"}),
      LaterBtn(*this, {128, 93, 105, 25, "Remind later", {}}),
      hooks_(hooks),
      boldFont_(Font().Name(), Font().Size(), fsBold, 0, Font().Charset())
{
    boldFont_.SetDpi(Dpi());
    ArrangeCaption();
    SendMessageA(OkBtn.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Handle()), FALSE);
    OkBtn.SetDefault(true);
    OkBtn.OnClick = [this](TButton&) { OkBtnClick(); };
    // Esc closes the window, as the close box does.
    CancelButton = &OkBtn;
    BuildMenu();
    LaterBtn.DropDownMenu = &ResheduleMenu;
    LaterBtn.OnClick = [this](TSplitButton&) { ModifyItemClick(nullptr); };
    OnClose = [this](TForm&, TCloseAction& action) { FormClose(action); };
}

TMessageForm::~TMessageForm()
{
    // Destroyed without being closed (the program ends): the alarm must not point here any more.
    if (Alarm) Alarm->MessageWindows.Remove(this);
    if (hooks_.Heard) hooks_.Heard(*this);
}

void TMessageForm::ArrangeCaption()
{
    // The name follows the label on the same line, however wide the label's font draws it.
    const int labelWidth = TextWidth(Handle(), Font().Handle(), "Message from ");
    SetWindowPos(Label1.Handle(), nullptr, 0, 0, labelWidth, Scale(14), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(CaptionText.Handle(), nullptr, Scale(6) + labelWidth, Scale(4), Scale(259 - 12) - labelWidth,
                 Scale(14), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMessageForm::DpiChanged(UINT)
{
    boldFont_.SetDpi(Dpi());
    SendMessageA(OkBtn.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Handle()), TRUE);
    ArrangeCaption();
}

void TMessageForm::BuildMenu()
{
    auto modify = [this](TMenuItem& item) { ModifyItemClick(&item); };
    TMenuItem& m = ResheduleMenu.Items();
    m.Add("In1minuteItem", "In &1 minute", "", 1).OnClick = modify;
    m.Add("In5minutesItem", "In &5 minutes", "", 5).OnClick = modify;
    m.Add("In10minutesItem", "In 1&0 minutes", "", 10).OnClick = modify;
    m.Add("In15minutesItem", "In 15 minutes", "", 15).OnClick = modify;
    m.AddSeparator();
    m.Add("ModifyItem", "&Custom ...", "", -1).OnClick = modify;
    ResheduleMenu.Build();
}

TMessageForm* TMessageForm::Open(TAlarm& alarm, const std::string& title, const TMessageHooks& hooks)
{
    auto* form = new TMessageForm(hooks);
    form->CaptionText.SetText(alarm.Name);
    std::string text = WithLineBreaks(alarm.MessageText);
    if (hooks.Clock) {
        const TSystemTime now = hooks.Clock->LocalNow();
        if (RingsLate(alarm, now)) text = DueAtText(alarm.SignalTime, now) + "\r\n" + text;
    }
    form->TextMemo.SetText(text);
    form->SetCaption(title);
    form->Alarm = &alarm;
    form->Cascade();
    form->Show();
    SetForegroundWindow(form->Handle());
    alarm.MessageWindows.Add(form);
    return form;
}

void TMessageForm::Cascade()
{
    std::vector<TPlace> open;
    EnumThreadWindows(GetCurrentThreadId(), &CollectMessageWindow, reinterpret_cast<LPARAM>(&open));
    RECT r{};
    GetWindowRect(Handle(), &r);
    RECT work;
    if (!WorkArea(work)) return;
    const int step = MulDiv(GetSystemMetrics(SM_CYCAPTION), static_cast<int>(Dpi()), static_cast<int>(SystemDpi()));
    const TPlace place = CascadePlace(PlaceOf(r), open, step, PlaceOf(work));
    if (place.Left != r.left || place.Top != r.top)
        SetWindowPos(Handle(), nullptr, place.Left, place.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMessageForm::OkBtnClick()
{
    Close();
}

void TMessageForm::ModifyItemClick(TMenuItem* sender)
{
    if (hooks_.Heard) hooks_.Heard(*this);
    if (!Alarm) return;
    if (Alarm->PropDialog) {
        if (auto* dialog = dynamic_cast<TWindow*>(Alarm->PropDialog)) {
            BringWindowToTop(dialog->Handle());
            SetForegroundWindow(dialog->Handle());
        }
        return;
    }
    const TSystemTime now = hooks_.Clock->LocalNow();
    bool confirmed;
    if (sender && sender->Tag != -1) {
        RemindLater(*Alarm, now, sender->Tag);
        confirmed = true;
    } else {
        // Only OK changes the alarm: Cancel leaves it exactly as it was.
        confirmed = hooks_.EditAlarm && hooks_.EditAlarm(*Alarm, now);
    }
    // The dialog's loop may have seen the alarm go.
    if (confirmed && Alarm && hooks_.AlarmChanged) hooks_.AlarmChanged(*Alarm);
}

void TMessageForm::FormClose(TCloseAction& action)
{
    if (hooks_.Heard) hooks_.Heard(*this);
    TAlarm* alarm = Alarm;
    if (alarm) {
        alarm->MessageWindows.Remove(this);
        Alarm = nullptr;
    }
    // Freed after the handler that closed it (a button's click) has returned.
    action = caHide;
    PostMessageA(Handle(), WM_RELEASE, 0, 0);
    if (alarm && alarm->MessageWindows.Count() == 0 && hooks_.LastWindowClosed) hooks_.LastWindowClosed(*alarm);
}

void TMessageForm::RangOut()
{
    TextMemo.SetText("Rang for 10 minutes\r\n" + TextMemo.Text());
}

void TMessageForm::DetachAlarm()
{
    Alarm = nullptr;
    LaterBtn.SetEnabled(false);
}

LRESULT TMessageForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_RELEASE:
        DestroyHandle();
        return 0;
    case WM_CTLCOLOREDIT:
        // The memo takes the window's colour.
        if (reinterpret_cast<HWND>(lParam) == TextMemo.Handle()) {
            auto dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    default:
        break;
    }
    return TForm::WndProc(msg, wParam, lParam);
}

void TMessageForm::HandleDestroyed()
{
    delete this;
}
