#pragma once
// A one-line edit for a file name, with a browse button that opens the open-file dialog.

#include "widgets/Edits.h"
#include "widgets/FileDialogs.h"

// Whether a name could name a file: no character that no file name may hold, a colon only after
// a drive letter. The empty name counts as valid: it names nothing yet.
bool IsValidFileName(const std::string& name);

class TFileNameEdit : public TEdit {
public:
    // place covers the edit and its button together.
    TFileNameEdit(TForm& parent, const TControlSpec& place, const TOpenFileParams& dialog, HWND parentHandle = nullptr);

    std::string FileName() const { return Text(); }
    // Fails with "Invalid file name - <name>" for a name that can't be a file's.
    void SetFileName(const std::string& name);

    TButton BrowseBtn;
    // The text is a command line: the browse button stands for its program, keeps its arguments
    // and quotes a chosen program whose path holds a space.
    bool HoldsCommandLine = false;

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Browse();
    TOpenFileParams dialog_;
};
