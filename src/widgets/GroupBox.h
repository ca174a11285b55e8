#pragma once
// A framed area with a heading. The controls inside it are the form's, placed over it (the box
// lies beneath them and paints only what they leave free), or its own children, created with its
// handle as their parent.

#include "widgets/Controls.h"

class TGroupBox : public TControl {
public:
    TGroupBox(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
