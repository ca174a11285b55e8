#pragma once
// A whole-number field with up and down arrows beside it, kept within a range when set.

#include <memory>

#include "widgets/Edits.h"

class TSpinButtons;

class TSpinEdit : public TEdit {
public:
    // place covers the field and its arrows together.
    TSpinEdit(TForm& parent, const TControlSpec& place, int minValue, int maxValue, HWND parentHandle = nullptr);
    ~TSpinEdit() override;

    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    // The text as typed, truncated to a whole number and not limited to the range;
    // a text that is not a number gives MinValue.
    int Value() const;
    // Shows the value limited to the range; an unchanged text raises no OnChange.
    void SetValue(int value);

    HWND ButtonsHandle() const;
    // What the arrows (or the Up and Down keys) do: one step, limited to the range.
    void Step(int delta);

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int min_;
    int max_;
    std::unique_ptr<TSpinButtons> buttons_;
};

// A field's text as a whole number (sign, digits, an optional fraction cut off, blanks around),
// or fallback when it is not one. Values beyond an int are held at its limits.
int SpinTextValue(const std::string& text, int fallback);
