#pragma once
// The dialog in which a zone clock gets its zone and its alias. The caller fills the list from
// the catalogue, shows the dialog and reads the choice; the dialog only keeps the alias in step
// with the list.

#include <bitset>

#include "clock/ZonePick.h"
#include "widgets/Controls.h"
#include "widgets/Edits.h"
#include "widgets/Form.h"
#include "widgets/ListBox.h"

// The zone list. A key's release counts only when the list took the key down itself: the
// dialog opens on the release of the menu key that chose it. Typed letters find a row by the
// start of any word, since every row begins with its offset.
class TZoneListBox : public TListBox {
public:
    using TListBox::TListBox;

    // A row was selected by typing.
    std::function<void(TZoneListBox&)> OnTypedSelect;

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Typed(char key);

    std::bitset<256> keysDown_;
    TZoneTypeSearch search_;
};

class TTZSelectDlg : public TForm {
public:
    TTZSelectDlg();

    // Sorted by its rows' texts; each row carries its TTimeZoneInfo.
    TZoneListBox TZListBox;
    TLabel Label1;
    TEdit AliasEdit;
    TButton OKBtn;
    TButton CancelBtn;

    void TZListBoxClick();
    void TZListBoxDblClick();
    void TZListBoxKeyUp();
    void TZListBoxMouseUp();
    void TZListBoxTypedSelect();

private:
    // Replaces whatever was typed with the selected row's text.
    void ShowSelectedZone();
};
