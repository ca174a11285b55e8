#include "widgets/GroupBox.h"

#include "widgets/Form.h"

TGroupBox::TGroupBox(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), "BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, place)
{
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TGroupBox::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; ContainerMessage(Handle(), msg, wParam, lParam, result)) return result;
    // The form clips its children out of its own painting, so the box fills its inside itself.
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return TControl::SubclassProc(msg, wParam, lParam);
}
