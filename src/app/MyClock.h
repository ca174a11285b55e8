#pragma once
// The program's clock face: tells its owner when the right button is released on it, before
// the popup menu opens, so the owner knows which face the menu is for.

#include <functional>

#include "clock/clock.h"

class TMyRoVudez : public TRoVudez {
public:
    using TRoVudez::TRoVudez;

    std::function<void(TMyRoVudez& sender)> OnSelect;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
};
