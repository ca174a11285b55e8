#include "widgets/ListBox.h"

#include <algorithm>

#include "base/Handles.h"
#include "widgets/Form.h"

namespace {

// Text widths in the list's font, through one device context.
class TRowMeasure {
public:
    explicit TRowMeasure(HWND list)
        : dc_(list), font_(dc_.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)))
    {
    }

    int Width(const std::string& text) const
    {
        SIZE size{};
        if (dc_) GetTextExtentPoint32A(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    TWindowDC dc_;
    TSelectObject font_;
};

}  // namespace

TListBox::TListBox(TForm& parent, const TControlSpec& place, bool sorted, bool multiSelect, HWND parentHandle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), "LISTBOX",
               LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                   (sorted ? LBS_SORT : 0) | (multiSelect ? LBS_MULTIPLESEL : 0),
               WS_EX_CLIENTEDGE, place),
      multiSelect_(multiSelect)
{
}

int TListBox::Add(const std::string& text, void* data)
{
    auto index = static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index < 0) return -1;
    SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(data));
    SetExtent(std::max(widest_, RowWidth(text)));
    return index;
}

void TListBox::Delete(int index)
{
    if (SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0) != LB_ERR) UpdateExtent();
}

void TListBox::Clear()
{
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    SetExtent(0);
}

int TListBox::Count() const
{
    return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBox::Item(int index) const
{
    LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void TListBox::SetItem(int index, const std::string& text)
{
    if (index < 0 || index >= Count()) return;
    void* data = Data(index);
    bool selected = Selected(index);
    int focus = ItemIndex();
    // Redraw is held so the row doesn't flicker out and back.
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(data));
    if (multiSelect_) {
        SetSelected(index, selected);
        if (focus == index) SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    } else if (selected) {
        SetItemIndex(index);
    }
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateExtent();
}

void* TListBox::Data(int index) const
{
    LRESULT data = SendMessageA(Handle(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
}

int TListBox::IndexOfData(const void* data) const
{
    for (int i = 0, n = Count(); i < n; ++i)
        if (Data(i) == data) return i;
    return -1;
}

int TListBox::ItemIndex() const
{
    if (!multiSelect_) return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
    if (Count() == 0) return -1;
    return static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
}

void TListBox::SetItemIndex(int index)
{
    if (multiSelect_)
        SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    else
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TListBox::Selected(int index) const
{
    return SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TListBox::SetSelected(int index, bool selected)
{
    if (multiSelect_)
        SendMessageA(Handle(), LB_SETSEL, selected, static_cast<LPARAM>(index));
    else if (selected)
        SetItemIndex(index);
    else if (ItemIndex() == index)
        SetItemIndex(-1);
}

void TListBox::Command(WORD notifyCode)
{
    if (notifyCode == LBN_SELCHANGE) selChangeSeen_ = true;
    if (notifyCode == LBN_SELCHANGE && OnClick) OnClick(*this);
    if (notifyCode == LBN_DBLCLK && OnDblClick) OnDblClick(*this);
}

std::vector<int> TListBox::SelectedRows() const
{
    std::vector<int> rows;
    for (int i = 0; i < Count(); ++i)
        if (Selected(i)) rows.push_back(i);
    return rows;
}

LRESULT TListBox::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (multiSelect_ && (msg == WM_KEYDOWN || msg == WM_CHAR)) {
        // A key that changes the selection (Space on the caret's row) is told like a click, also
        // where the list itself sends no notification of it.
        const std::vector<int> before = SelectedRows();
        selChangeSeen_ = false;
        const HWND self = Handle();
        const LRESULT result = TControl::SubclassProc(msg, wParam, lParam);
        if (IsWindow(self) && !selChangeSeen_ && SelectedRows() != before)
            SendMessageA(GetParent(self), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(self));
        return result;
    }
    if (multiSelect_ && msg == WM_LBUTTONDOWN) {
        const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
        const int index = LOWORD(hit);
        if (HIWORD(hit) == 0 && index < Count()) {
            if (!(wParam & MK_SHIFT) || anchor_ < 0 || anchor_ >= Count()) {
                // The list toggles the row itself.
                anchor_ = index;
                return TControl::SubclassProc(msg, wParam, lParam);
            }
            SetFocus(Handle());
            for (int i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i) SetSelected(i, true);
            SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
            SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(Handle()));
            return 0;
        }
    }
    return TControl::SubclassProc(msg, wParam, lParam);
}

int TListBox::RowWidth(const std::string& text) const
{
    TRowMeasure measure(Handle());
    return measure.Width(text);
}

void TListBox::UpdateExtent()
{
    TRowMeasure measure(Handle());
    int widest = 0;
    for (int i = 0, n = Count(); i < n; ++i) widest = std::max(widest, measure.Width(Item(i)));
    SetExtent(widest);
}

void TListBox::SetExtent(int widest)
{
    widest_ = widest;
    // The list shows its horizontal scroll bar exactly when the extent passes its client width;
    // the rows are drawn with a small margin after the text.
    SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest ? widest + 4 : 0), 0);
}
