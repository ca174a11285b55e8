#pragma once
// A framed area with a heading; the controls inside it are its form's, placed over it.

#include "widgets/Controls.h"

class TGroupBox : public TControl {
public:
    TGroupBox(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);
};
