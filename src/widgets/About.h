#pragma once
// The small modal window that names the program, its version and where it keeps its data.

#include <string>

#include "widgets/Controls.h"
#include "widgets/Edits.h"
#include "widgets/Form.h"

class TAboutBox : public TForm {
public:
    // dataFolder with or without its trailing separator.
    explicit TAboutBox(const std::string& dataFolder = {});

    TIconImage ProgramIcon;
    TLabel ProductLabel;
    TLabel DataFolderLabel;
    // Read-only, so that the path can be scrolled and copied however long it is.
    TEdit DataFolderEdit;
    TButton OKButton;

protected:
    void DpiChanged(UINT oldDpi) override;
};

// Shows the About window modally, then discards it.
void ShowAboutBox(const std::string& dataFolder);
