#pragma once
// A slider over the trackbar control: a range of whole steps, moved by the user's keys and mouse.

#include "widgets/Controls.h"

class TTrackBar : public TControl {
public:
    TTrackBar(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

    void SetRange(int min, int max);
    // The arrow keys move a line, Page Up and Page Down a page.
    void SetSteps(int line, int page);
    // A tick every so many steps.
    void SetTickFrequency(int steps);
    int Position() const;
    // From code: no OnChange.
    void SetPosition(int position);

    // The user moved the thumb.
    std::function<void(TTrackBar&)> OnChange;
    void Scroll(WORD code) override;
};
