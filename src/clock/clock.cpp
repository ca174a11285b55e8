#include "clock/clock.h"

#include <algorithm>
#include <cstring>

#include "clock/FaceText.h"
#include "clock/PlanTime.h"
#include "base/SystemClock.h"
#include "base/SystemTimeRecord.h"
#include "clock/ZoneTime.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "base/Handles.h"
#include "widgets/Menu.h"
#include "widgets/ToolTip.h"

bool DaylightAdjust = false;
bool ZoneDaylight = false;

namespace {

bool IsWin9xFamily()
{
    // Asked once: every face asks on every tick.
    static const bool win9x = [] {
        OSVERSIONINFOA info{sizeof(info)};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
        return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    }();
    return win9x;
}

// The system's own brushes: nothing is created per paint.
void Frame(HDC dc, RECT& r, int topLeftColor, int bottomRightColor)
{
    HBRUSH tl = GetSysColorBrush(topLeftColor);
    HBRUSH br = GetSysColorBrush(bottomRightColor);
    RECT edge;
    edge = {r.left, r.top, r.right - 1, r.top + 1};
    FillRect(dc, &edge, tl);
    edge = {r.left, r.top, r.left + 1, r.bottom - 1};
    FillRect(dc, &edge, tl);
    edge = {r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &edge, br);
    edge = {r.left, r.bottom - 1, r.right, r.bottom};
    FillRect(dc, &edge, br);
    InflateRect(&r, -1, -1);
}

}  // namespace

const TClockSource* TRoVudez::Clock = &SystemClock();

TRoVudez::TRoVudez(HWND parent)
{
    // A face that another face's text grows or shrinks is drawn afresh in its new size: the
    // window clips its children, so nothing else would repaint it before its own text changes.
    RegisterClassOnce("TRoVudez", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW), nullptr);
    CreateHandle(0, "TRoVudez", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 75, 18, parent);
    font_.SetDpi(FormDpi(Handle()));
    toolTip_ = CreateToolTip();
    MeasureTextNeed();
    SetUseTimer(true);
}

TRoVudez::~TRoVudez()
{
    timer_.reset();
    if (toolTip_) DestroyWindow(toolTip_);
    DestroyHandle();
}

void TRoVudez::SetUseTimer(bool on)
{
    if (on == UseTimer()) return;
    if (on) {
        timer_ = std::make_unique<TTimer>(1000, true);
        timer_->OnTimer = [this](TTimer&) { UpdateDisplay(); };
    } else {
        timer_.reset();
    }
}

void TRoVudez::SetShowDate(bool on)
{
    if (on == showDate_) return;
    showDate_ = on;
    MeasureTextNeed();
    UpdateDisplay();
}

void TRoVudez::SetLabels(bool on)
{
    if (on == labels_) return;
    labels_ = on;
    MeasureTextNeed();
    UpdateDisplay();
}

void TRoVudez::SetColor(COLORREF color)
{
    if (color == color_) return;
    color_ = color;
    background_.Reset();
    Invalidate();
}

void TRoVudez::SetFont(const TFont& font)
{
    if (font == font_) return;
    font_ = font;
    // Whatever DPI the font came with, it is drawn for this window's.
    font_.SetDpi(FormDpi(Handle()));
    MeasureTextNeed();
    Invalidate();
}

void TRoVudez::SetDpi(UINT dpi)
{
    if (dpi == font_.Dpi()) return;
    font_.SetDpi(dpi);
    MeasureTextNeed();
    Invalidate();
}

void TRoVudez::SetHint(const std::string& hint)
{
    hint_ = hint;
    SetToolTipText(toolTip_, Handle(), Handle(), hint_);
    MeasureTextNeed();
}

void TRoVudez::MeasureTextNeed()
{
    measuredAmPm_ = AM_PM;
    measuredSeconds_ = ShowSeconds;
    int widest = 0;
    TEXTMETRICA metrics{};
    {
        TWindowDC windowDC(Handle());
        HDC dc = windowDC.Get();
        if (!dc) return;
        TSelectObject font(dc, font_.Handle());
        GetTextMetricsA(dc, &metrics);
        auto measure = [&](const char* text) {
            SIZE size{};
            if (GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size)) widest = std::max<int>(widest, size.cx);
        };
        // Hours of both halves of the day, one and two digits; the date of every month (shown
        // also while the button is held).
        char text[100];
        for (WORD hour : {0, 8, 10, 12, 20, 22, 23}) {
            SYSTEMTIME t{2026, 12, 1, 28, hour, 58, 58, 0};
            if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, TimePicture(AM_PM, ShowSeconds), text, sizeof text)) measure(text);
        }
        for (WORD month = 1; month <= 12; ++month) {
            SYSTEMTIME t{2026, month, 0, 28, 0, 0, 0, 0};
            if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof text)) measure(text);
        }
        if (labels_) measure(hint_.c_str());
    }
    const TFaceNeed need = FaceNeedFor(widest, metrics.tmHeight, 1 + (DateLine() ? 1 : 0) + (labels_ ? 1 : 0));
    if (need == need_) return;
    need_ = need;
    if (OnTextNeedChange) OnTextNeedChange();
}

SYSTEMTIME TRoVudez::FaceTime() const
{
    if (LocalTime) return FromRecord(Clock->LocalNow());
    SYSTEMTIME utc = FromRecord(Clock->UtcNow());
    if (ZoneDaylight && Rules) return ZoneTimeOf(*Rules, utc, !IsWin9xFamily());
    SYSTEMTIME t = utc;
    if (IsWin9xFamily()) {
        t = FromRecord(IncMinutes(ToRecord(utc), -TimeZone.Bias));
    } else {
        TIME_ZONE_INFORMATION tzi;
        memcpy(&tzi, static_cast<const void*>(&TimeZone), sizeof tzi);
        if (!SystemTimeToTzSpecificLocalTime(&tzi, &utc, &t)) t = utc;
    }
    // Per-zone daylight saving replaces the common hour.
    if (DaylightAdjust && !ZoneDaylight) t = FromRecord(IncMinutes(ToRecord(t), 60));
    return t;
}

const TFont& TRoVudez::PlannedFont() const
{
    // Made again whenever the face's own font or DPI has changed since.
    const auto italic = static_cast<std::uint8_t>(font_.Style() | fsItalic);
    TFont wanted = font_;
    wanted.SetStyle(italic);
    if (!(plannedFont_ == wanted) || plannedFont_.Dpi() != font_.Dpi()) plannedFont_ = wanted;
    return plannedFont_;
}

void TRoVudez::ShowPlanned(const TPlannedFace& planned)
{
    const bool first = !planned_;
    const bool dimChanged = first || planned_->Dimmed != planned.Dimmed;
    planned_ = planned;
    if (first) MeasureTextNeed();
    if (dimChanged) Invalidate();
    UpdateDisplay();
}

void TRoVudez::ShowNow()
{
    if (!planned_) return;
    planned_.reset();
    MeasureTextNeed();
    Invalidate();
    UpdateDisplay();
}

void TRoVudez::UpdateDisplay()
{
    if (AM_PM != measuredAmPm_ || ShowSeconds != measuredSeconds_) MeasureTextNeed();
    SYSTEMTIME t = planned_ ? planned_->Time : FaceTime();
    const bool dateShown = showDate_ || buttonDown_ || (planned_ && planned_->WithDate);
    char date[100] = {};
    char time[100] = {};
    // The date is formatted only when it is shown.
    if (dateShown && !GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, sizeof date))
        date[0] = 0;
    const bool seconds = ShowSeconds && !planned_;
    if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, TimePicture(AM_PM, seconds), time, sizeof time)) time[0] = 0;
    // A planned face keeps a date line, empty while its date is the local face's.
    std::string text = ComposeDisplayText(time, date, hint_, DateLine(), labels_, buttonDown_);
    // A face repaints only when what it shows changes: one without seconds once a minute.
    if (text == displayText_) return;
    displayText_ = std::move(text);
    // Its window text is what it shows, for screen readers and automation.
    SetWindowTextA(Handle(), displayText_.c_str());
    Invalidate();
}

void TRoVudez::Paint(HDC dc)
{
    RECT r = ClientRect();
    const bool dimmed = planned_ && planned_->Dimmed;
    const COLORREF back = dimmed ? DimmedColour(color_) : color_;
    TBrushHandle dimBrush;
    if (dimmed)
        dimBrush.Reset(CreateSolidBrush(back));
    else if (!background_)
        background_.Reset(CreateSolidBrush(color_));
    FillRect(dc, &r, dimmed ? dimBrush.Get() : background_.Get());
    Frame(dc, r, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    Frame(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    const TFont& shown = planned_ ? PlannedFont() : font_;
    TSelectObject font(dc, shown.Handle());
    SetTextColor(dc, dimmed ? DimmedColour(font_.Color()) : font_.Color());
    SetBkColor(dc, back);
    SetBkMode(dc, OPAQUE);
    RECT text = ClientRect();
    InflateRect(&text, -2, -2);
    // Centred lines from the top, ampersands drawn as they are, never over the bevels: a face held
    // smaller than its text (the window kept on its monitor) ends a long line in an ellipsis and,
    // short of height, keeps its bottom line, the time, in sight.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, text.left, text.top, text.right, text.bottom);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int lines = 1 + static_cast<int>(std::count(displayText_.begin(), displayText_.end(), '\n'));
    int top = std::min<int>(text.top, text.bottom - lines * metrics.tmHeight);
    for (std::size_t start = 0; start <= displayText_.size(); top += metrics.tmHeight) {
        std::size_t end = displayText_.find("\r\n", start);
        if (end == std::string::npos) end = displayText_.size();
        std::string line = displayText_.substr(start, end - start);
        RECT box{text.left, top, text.right, top + metrics.tmHeight};
        DrawTextExA(dc, line.data(), static_cast<int>(line.size()), &box,
                    DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, nullptr);
        start = end + 2;
    }
    RestoreDC(dc, saved);
}

LRESULT TRoVudez::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        return PaintMessage();
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        DefaultProc(msg, wParam, lParam);
        SetCapture(Handle());
        buttonDown_ = true;
        UpdateDisplay();
        return 0;
    case WM_LBUTTONUP:
        DefaultProc(msg, wParam, lParam);
        if (GetCapture() == Handle()) ReleaseCapture();
        buttonDown_ = false;
        UpdateDisplay();
        MouseUp(mbLeft, TShiftState::Current(), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_RBUTTONUP:
        MouseUp(mbRight, TShiftState::Current(), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        // The default handling follows with WM_CONTEXTMENU, so the owner knows the face first.
        return DefaultProc(msg, wParam, lParam);
    case WM_CONTEXTMENU:
        if (PopupMenu) {
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) {
                p = {0, 0};
                ClientToScreen(Handle(), &p);
            }
            PopupMenu->Popup(p.x, p.y, GetAncestor(Handle(), GA_ROOT));
            return 0;
        }
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
