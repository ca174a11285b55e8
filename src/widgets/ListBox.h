#pragma once
// A list of text rows, each of which may carry a pointer of its owner's.

#include "widgets/Controls.h"

#include <vector>

class TListBox : public TControl {
public:
    TListBox(TForm& parent, const TControlSpec& place, bool sorted, bool multiSelect, HWND parentHandle = nullptr);

    // The index at which the row landed (a sorted list places it by its text).
    int Add(const std::string& text, void* data = nullptr);
    void Delete(int index);
    void Clear();
    int Count() const;
    std::string Item(int index) const;
    // Keeps the row's data and selection.
    void SetItem(int index, const std::string& text);
    void* Data(int index) const;
    int IndexOfData(const void* data) const;

    // The selected row; in a multi-select list the focused row. -1 when there is none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);

    // The selection changed by the user's mouse or keys. In a multi-select list a click toggles
    // its row and Shift+click adds the rows from the last clicked one to it.
    std::function<void(TListBox&)> OnClick;
    std::function<void(TListBox&)> OnDblClick;
    void Command(WORD notifyCode) override;

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int RowWidth(const std::string& text) const;
    std::vector<int> SelectedRows() const;
    void UpdateExtent();
    void SetExtent(int widest);

    bool multiSelect_;
    int widest_ = 0;
    int anchor_ = -1;
    bool selChangeSeen_ = false;
};
