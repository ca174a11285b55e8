#pragma once
// The small modal window that names the program and its version.

#include "widgets/Controls.h"
#include "widgets/Form.h"

class TAboutBox : public TForm {
public:
    TAboutBox();

    TIconImage ProgramIcon;
    TLabel ProductLabel;
    TButton OKButton;

protected:
    void DpiChanged(UINT oldDpi) override;
};

// Shows the About window modally, then discards it.
void ShowAboutBox();
