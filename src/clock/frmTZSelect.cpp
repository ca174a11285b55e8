#include "clock/frmTZSelect.h"

namespace {

TForm::TParams TZSelectParams()
{
    TForm::TParams p;
    p.ClassName = "TTZSelectDlg";
    p.Caption = "TimeZone Selection";
    p.BorderStyle = bsToolWindow;
    p.CloseBox = false;
    p.MinMaxBoxes = false;
    p.Position = poScreenCenter;
    p.ClientWidth = 265;
    p.ClientHeight = 171;
    return p;
}

}  // namespace

TTZSelectDlg::TTZSelectDlg()
    : TForm(TZSelectParams()),
      TZListBox(*this, {0, 0, 265, 113, {}, {}}, true, false),
      // The label takes what the edit leaves, so wider substitute fonts still show it whole.
      Label1(*this, {1, 124, 30, 13, "Alias:", {}}),
      AliasEdit(*this, {31, 120, 233, 21, {}, {}}),
      OKBtn(*this, {52, 144, 75, 25, "OK", {}}),
      CancelBtn(*this, {136, 144, 75, 25, "Cancel", {}})
{
    OKBtn.ModalResult = mrOk;
    OKBtn.SetDefault(true);
    DefaultButton = &OKBtn;
    CancelBtn.ModalResult = mrCancel;
    CancelButton = &CancelBtn;
    TZListBox.OnClick = [this](TListBox&) { TZListBoxClick(); };
    TZListBox.OnDblClick = [this](TListBox&) { TZListBoxDblClick(); };
    TZListBox.OnKeyUp = [this](TControl&, WORD) { TZListBoxKeyUp(); };
    TZListBox.OnMouseUp = [this](TControl&) { TZListBoxMouseUp(); };
}

void TTZSelectDlg::TZListBoxClick()
{
    ShowSelectedZone();
}

// A double-click only copies the row, as a click does; OK and Cancel alone close the dialog.
void TTZSelectDlg::TZListBoxDblClick()
{
    ShowSelectedZone();
}

void TTZSelectDlg::TZListBoxKeyUp()
{
    ShowSelectedZone();
}

void TTZSelectDlg::TZListBoxMouseUp()
{
    ShowSelectedZone();
}

void TTZSelectDlg::ShowSelectedZone()
{
    int row = TZListBox.ItemIndex();
    if (row >= 0) AliasEdit.SetText(TZListBox.Item(row));
}
