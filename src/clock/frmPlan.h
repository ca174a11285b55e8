#pragma once
// The planner: a small tool window in which the user slides or types a moment, which every
// face then shows. It keeps the moment (in UTC); the clock window shows it on the faces.

#include <string>

#include "clock/PlanTime.h"
#include "widgets/Controls.h"
#include "widgets/DateTimeFields.h"
#include "widgets/Form.h"
#include "widgets/TrackBar.h"

// The slider's Home goes back to now, not to its first step.
class TPlanSlider : public TTrackBar {
public:
    using TTrackBar::TTrackBar;
    std::function<void()> OnHome;

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// What the time field reads: the zone of the face it belongs to.
struct TPlanField {
    std::string Caption;  // "Time in Tokyo:"
    TPlanZone Zone;
    bool AM_PM = false;
};

class TPlanForm : public TForm {
public:
    TPlanForm();

    TLabel TimeLabel;
    TDateField DateEdit;
    TTimeField TimeEdit;
    TPlanSlider Slider;
    TButton CopyBtn;
    TButton ReminderBtn;
    TButton CloseBtn;

    // Shows the planner for a face. A planner already open keeps its moment; else it starts
    // now, with the slider from the local face's current hour.
    void Open(const TPlanField& field, const TPlanZone& local);
    const TSystemTime& Moment() const { return moment_; }
    void SetMoment(const TSystemTime& utc);
    const TPlanZone& FieldZone() const { return field_.Zone; }

    std::function<void()> OnMomentChange;
    std::function<void()> OnCopy;
    std::function<void()> OnAddReminder;
    // Closed by Close, Esc or the close box.
    std::function<void()> OnClosed;

    void SliderChange();
    void FieldChange();
    void SliderHome();

private:
    void StartNow();
    // The fields and the slider show the moment.
    void ShowMoment();
    void Changed();

    TPlanField field_;
    TPlanZone local_;
    TSystemTime start_;
    TSystemTime moment_;
    bool showing_ = false;
};
