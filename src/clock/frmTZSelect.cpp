#include "clock/frmTZSelect.h"

#include "clock/ZoneCities.h"

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

LRESULT TZoneListBox::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        keysDown_.set(wParam & 0xFF);
        break;
    case WM_KEYUP:
        if (!keysDown_.test(wParam & 0xFF)) return DefaultProc(msg, wParam, lParam);
        keysDown_.reset(wParam & 0xFF);
        break;
    case WM_KILLFOCUS:
        // The releases of keys held now go to another window.
        keysDown_.reset();
        break;
    case WM_CHAR:
        // The list's own search by first character would find nothing: every row begins "(".
        if (wParam >= ' ' && wParam != 0x7F) {
            Typed(static_cast<char>(wParam));
            return 0;
        }
        break;
    default:
        break;
    }
    return TListBox::SubclassProc(msg, wParam, lParam);
}

void TZoneListBox::Typed(char key)
{
    // A row is found by its text and by its zone's big cities.
    std::vector<std::string> rows;
    for (int i = 0; i < Count(); ++i) {
        const auto* zone = static_cast<const TTimeZoneInfo*>(Data(i));
        rows.push_back(zone ? ZoneSearchText(Item(i), zone->KeyName) : Item(i));
    }
    // The message's own time: the pause the user made, not how long the program took.
    int row = search_.Type(key, static_cast<std::uint32_t>(GetMessageTime()), rows, ItemIndex());
    if (row < 0) return;
    SetItemIndex(row);
    if (OnTypedSelect) OnTypedSelect(*this);
}

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
    TZListBox.OnTypedSelect = [this](TZoneListBox&) { TZListBoxTypedSelect(); };
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

// A row found by typing is picked as one reached with the arrow keys.
void TTZSelectDlg::TZListBoxTypedSelect()
{
    ShowSelectedZone();
}

void TTZSelectDlg::ShowSelectedZone()
{
    int row = TZListBox.ItemIndex();
    if (row >= 0) AliasEdit.SetText(TZListBox.Item(row));
}
