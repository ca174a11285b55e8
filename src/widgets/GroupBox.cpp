#include "widgets/GroupBox.h"

#include "widgets/Form.h"

TGroupBox::TGroupBox(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), "BUTTON", BS_GROUPBOX, 0, place)
{
}
