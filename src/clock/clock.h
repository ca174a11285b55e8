#pragma once
// The clock face: a framed panel showing the time of one place, optionally with its date and
// its label above, refreshed by its own timer or by its owner.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/ClockSource.h"
#include "base/DateTime.h"
#include "clock/FaceText.h"
#include "clock/TimeZoneBlock.h"
#include "clock/ZoneRules.h"
#include "widgets/Font.h"
#include "base/Handles.h"
#include "widgets/Form.h"
#include "widgets/Timer.h"
#include "widgets/Window.h"

class TPopupMenu;

// While on, every face that is not on local time shows its zone's time one hour later.
extern bool DaylightAdjust;
// While on, every such face with rules shows its zone's true local time instead, by those rules.
extern bool ZoneDaylight;

static_assert(sizeof(TSystemTime) == sizeof(SYSTEMTIME));
static_assert(sizeof(TTimeZoneBlock) == sizeof(TIME_ZONE_INFORMATION));
static_assert(offsetof(TTimeZoneBlock, DaylightBias) == offsetof(TIME_ZONE_INFORMATION, DaylightBias));

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A planned moment as one face shows it: its time there, whether its date is shown (it differs
// from the local face's), and whether it falls outside the zone's working hours.
struct TPlannedFace {
    SYSTEMTIME Time{};
    bool WithDate = false;
    bool Dimmed = false;
};

class TRoVudez : public TWindow {
public:
    explicit TRoVudez(HWND parent);
    ~TRoVudez() override;

    bool UseTimer() const { return timer_ != nullptr; }
    void SetUseTimer(bool on);

    // Read at the next UpdateDisplay.
    bool LocalTime = false;
    bool ShowSeconds = false;
    bool AM_PM = false;

    bool ShowDate() const { return showDate_; }
    void SetShowDate(bool on);
    bool Labels() const { return labels_; }
    void SetLabels(bool on);

    TTimeZoneBlock TimeZone;
    // The zone's own rules (its catalogue entry's), used while ZoneDaylight is on; not owned.
    const TZoneRules* Rules = nullptr;
    int Tag = 0;
    // The key name of the catalogue entry the zone came from; empty when not known.
    std::string ZoneKey;

    bool ButtonDown() const { return buttonDown_; }
    const std::string& DisplayText() const { return displayText_; }

    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    // Its font is made for this DPI (the window's on a move to another monitor).
    void SetDpi(UINT dpi);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TPopupMenu* PopupMenu = nullptr;

    void UpdateDisplay();

    // While a time is planned the face shows it instead of now: in italics, without seconds,
    // with a line for the date. ShowNow returns it to the current time.
    void ShowPlanned(const TPlannedFace& planned);
    void ShowNow();
    bool Planned() const { return planned_.has_value(); }
    bool Dimmed() const { return planned_ && planned_->Dimmed; }

    // The room this face's text takes in its own font: the widest of its time (at any hour), its
    // date (in any month) and its label, and its lines, in pixels at its DPI.
    TFaceNeed TextNeed() const { return need_; }
    // Called when TextNeed changes (font, label, lines, 12/24 hours, seconds, DPI).
    std::function<void()> OnTextNeedChange;

    // Where every face reads the time; the system's unless a test sets another.
    static const TClockSource* Clock;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) {}
    void Paint(HDC dc) override;

private:
    SYSTEMTIME FaceTime() const;
    void MeasureTextNeed();
    bool DateLine() const { return showDate_ || planned_; }
    const TFont& PlannedFont() const;

    std::unique_ptr<TTimer> timer_;
    bool showDate_ = false;
    bool labels_ = false;
    bool buttonDown_ = false;
    std::string displayText_;
    TFaceNeed need_;
    bool measuredAmPm_ = false;
    bool measuredSeconds_ = false;
    std::string hint_;
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    TBrushHandle background_;
    TFont font_;
    // The face's font in italics, made for the planned moment.
    mutable TFont plannedFont_;
    std::optional<TPlannedFace> planned_;
    HWND toolTip_ = nullptr;
};
