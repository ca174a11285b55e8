#include "widgets/SplitButton.h"

#include "widgets/Form.h"

TSplitButton::TSplitButton(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), "BUTTON", BS_SPLITBUTTON | WS_TABSTOP, 0, place)
{
}

void TSplitButton::Click()
{
    if (OnClick) OnClick(*this);
}

void TSplitButton::DropDown()
{
    if (!DropDownMenu || !Enabled()) return;
    RECT r{};
    GetWindowRect(Handle(), &r);
    DropDownMenu->Popup(r.left, r.bottom, GetAncestor(Handle(), GA_ROOT));
}

void TSplitButton::Command(WORD notifyCode)
{
    if (notifyCode == BN_CLICKED) Click();
}

LRESULT TSplitButton::Notify(NMHDR* hdr)
{
    if (hdr->code == BCN_DROPDOWN) DropDown();
    return 0;
}
