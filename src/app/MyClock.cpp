#include "app/MyClock.h"

void TMyRoVudez::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TRoVudez::MouseUp(button, shift, x, y);
    if (button == mbRight && OnSelect) OnSelect(*this);
}
