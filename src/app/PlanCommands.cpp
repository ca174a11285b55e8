// Planning a time: the planner window and the faces that show its moment.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/Main.h"
#include "base/SystemTimeRecord.h"
#include "clock/FaceText.h"
#include "clock/ZoneTime.h"

namespace {

std::string FormatPlanDate(const SYSTEMTIME& t)
{
    char text[100] = {};
    // The user's day and month names, with the year: the line may reach another year.
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, 0, &t, "ddd d MMM yyyy", text, sizeof text)) text[0] = 0;
    return text;
}

std::string FormatPlanTime(const SYSTEMTIME& t, bool amPm)
{
    char text[100] = {};
    if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, TimePicture(amPm, false), text, sizeof text)) text[0] = 0;
    return text;
}

// Both the code page's text and the same as UTF-16, so no program mistakes the page.
void PutOnClipboard(HWND owner, const std::string& text)
{
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (HGLOBAL w = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(wide) * sizeof(wchar_t))) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, static_cast<wchar_t*>(GlobalLock(w)), wide);
        GlobalUnlock(w);
        if (!SetClipboardData(CF_UNICODETEXT, w)) GlobalFree(w);
    }
    if (HGLOBAL a = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        memcpy(GlobalLock(a), text.c_str(), text.size() + 1);
        GlobalUnlock(a);
        if (!SetClipboardData(CF_TEXT, a)) GlobalFree(a);
    }
    CloseClipboard();
}

// " · " where the code page has the middle dot, else " - ".
std::string Separator()
{
    const wchar_t dot[] = L"\u00B7";
    char text[8] = {};
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, 0, dot, 1, text, sizeof text - 1, nullptr, &lossy);
    return n > 0 && !lossy ? " " + std::string(text, static_cast<std::size_t>(n)) + " " : " - ";
}

}  // namespace

void TClockForm::PlanItemClick(TMyRoVudez* face)
{
    if (!face || !LocalClock) face = LocalClock.get();
    if (!face) return;
    if (!planner_) {
        planner_ = std::make_unique<TPlanForm>();
        // Owned by the clock: above it, and no taskbar button of its own.
        SetWindowLongPtrA(planner_->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Handle()));
        planner_->OnMomentChange = [this] { ApplyPlan(); };
        planner_->OnClosed = [this] { PlanClosed(); };
        planner_->OnCopy = [this] { PlanCopy(); };
        planner_->OnAddReminder = [this] {
            AddReminder(PlannedTime(LocalPlanZone(), planner_->Moment()));
        };
    }
    TPlanField field;
    const bool local = face == LocalClock.get();
    field.Caption = local ? std::string("Local time:") : "Time in " + face->Hint() + ":";
    field.Zone = local ? LocalPlanZone() : FacePlanZone(*face);
    field.AM_PM = face->AM_PM;
    const bool fresh = !planner_->Visible();
    if (TopWin.TopMost())
        SetWindowPos(planner_->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    planner_->Open(field, LocalPlanZone());
    // Placed once the faces have taken their date lines, which may grow the clock.
    if (fresh) PlacePlanner();
}

void TClockForm::PlacePlanner()
{
    // Below the clock, else above it, on the clock's monitor.
    RECT clock{}, plan{};
    GetWindowRect(Handle(), &clock);
    GetWindowRect(planner_->Handle(), &plan);
    const int width = plan.right - plan.left;
    const int height = plan.bottom - plan.top;
    RECT work;
    if (!WorkArea(work)) return;
    int x = std::max<int>(work.left, std::min<int>(clock.left, work.right - width));
    int y = clock.bottom + height <= work.bottom ? clock.bottom : clock.top - height;
    y = std::max<int>(work.top, y);
    SetWindowPos(planner_->Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TPlanZone TClockForm::LocalPlanZone() const
{
    return {LocalZone ? *LocalZone : LocalZoneRules(TimeZones), 0};
}

TPlanZone TClockForm::FacePlanZone(const TMyRoVudez& face) const
{
    if (face.LocalTime) return LocalPlanZone();
    return ZoneFacePlan(face.TimeZone, face.Rules, ZoneDaylight, DaylightAdjust);
}

void TClockForm::ApplyPlan()
{
    if (!planner_ || !planner_->Visible() || !LocalClock) return;
    const TSystemTime moment = planner_->Moment();
    const TSystemTime local = PlannedTime(LocalPlanZone(), moment);
    LocalClock->ShowPlanned({FromRecord(local), false, !InWorkingHours(local)});
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) {
        TMyRoVudez& face = *Clocks->Items(i);
        const TSystemTime t = PlannedTime(FacePlanZone(face), moment);
        face.ShowPlanned({FromRecord(t), !SameDate(t, local), !InWorkingHours(t)});
    }
}

void TClockForm::PlanClosed()
{
    if (LocalClock) LocalClock->ShowNow();
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) Clocks->Items(i)->ShowNow();
}

void TClockForm::PlanCopy()
{
    if (!planner_ || !LocalClock) return;
    const TSystemTime moment = planner_->Moment();
    const SYSTEMTIME local = FromRecord(PlannedTime(LocalPlanZone(), moment));
    std::vector<TPlanPart> parts;
    auto add = [&](const TMyRoVudez& face, const SYSTEMTIME& t, bool withDate) {
        parts.push_back({FormatPlanDate(t), FormatPlanTime(t, face.AM_PM), face.Hint(), withDate});
    };
    add(*LocalClock, local, true);
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) {
        const TMyRoVudez& face = *Clocks->Items(i);
        const TSystemTime t = PlannedTime(FacePlanZone(face), moment);
        add(face, FromRecord(t), !SameDate(t, ToRecord(local)));
    }
    PutOnClipboard(planner_->Handle(), PlanLine(parts, Separator()));
}
