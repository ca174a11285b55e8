#pragma once
// A push button with a drop-down arrow at its right edge: the arrow opens a menu below the
// button, the rest of the button clicks as usual.

#include "widgets/Controls.h"
#include "widgets/Menu.h"

class TSplitButton : public TControl {
public:
    TSplitButton(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

    // Not owned; the arrow does nothing without one.
    TPopupMenu* DropDownMenu = nullptr;
    std::function<void(TSplitButton&)> OnClick;

    void Click();
    // Opens the menu under the button's bottom-left corner; the chosen item's OnClick runs.
    void DropDown();

    void Command(WORD notifyCode) override;
    LRESULT Notify(NMHDR* hdr) override;
};
