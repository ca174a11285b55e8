#pragma once
// Text fields: the one-line edit and the multi-line memo.

#include "widgets/Controls.h"

enum TScrollBars { ssNone, ssHorizontal, ssVertical, ssBoth };

class TEdit : public TControl {
public:
    TEdit(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr, DWORD extraStyle = 0);

    void SetReadOnly(bool readOnly);
    void SelectAll();

    // Typing, and SetText from code.
    std::function<void(TEdit&)> OnChange;
    void Command(WORD notifyCode) override;
};

// Lines are separated by "\r\n" in its text.
class TMemo : public TControl {
public:
    TMemo(TForm& parent, const TControlSpec& place, TScrollBars scrollBars, bool wordWrap,
          HWND parentHandle = nullptr);

    std::function<void(TMemo&)> OnChange;
    void Command(WORD notifyCode) override;
};
