#include "widgets/TrackBar.h"

#include <commctrl.h>

#include "widgets/Form.h"

TTrackBar::TTrackBar(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 0,
               place)
{
}

void TTrackBar::SetRange(int min, int max)
{
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min);
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max);
}

void TTrackBar::SetSteps(int line, int page)
{
    SendMessageA(Handle(), TBM_SETLINESIZE, 0, line);
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, page);
}

void TTrackBar::SetTickFrequency(int steps)
{
    SendMessageA(Handle(), TBM_SETTICFREQ, steps, 0);
}

int TTrackBar::Position() const
{
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int position)
{
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
}

void TTrackBar::Scroll(WORD code)
{
    // The end of a move repeats the last position.
    if (code != TB_ENDTRACK && OnChange) OnChange(*this);
}
