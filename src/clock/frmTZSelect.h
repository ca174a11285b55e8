#pragma once
// The dialog in which a zone clock gets its zone and its alias. The caller fills the list from
// the catalogue, shows the dialog and reads the choice; the dialog only keeps the alias in step
// with the list.

#include "widgets/Controls.h"
#include "widgets/Edits.h"
#include "widgets/Form.h"
#include "widgets/ListBox.h"

class TTZSelectDlg : public TForm {
public:
    TTZSelectDlg();

    // Sorted by its rows' texts; each row carries its TTimeZoneInfo.
    TListBox TZListBox;
    TLabel Label1;
    TEdit AliasEdit;
    TButton OKBtn;
    TButton CancelBtn;

    void TZListBoxClick();
    void TZListBoxDblClick();
    void TZListBoxKeyUp();
    void TZListBoxMouseUp();

private:
    // Replaces whatever was typed with the selected row's text.
    void ShowSelectedZone();
};
