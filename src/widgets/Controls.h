#pragma once
// Standard controls with the semantics the forms rely on. Each is subclassed so that it sees its
// own messages; the parent form reflects WM_COMMAND and WM_NOTIFY to it.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/Dpi.h"
#include "base/Handles.h"

class TForm;

struct TControlSpec {
    int Left = 0;
    int Top = 0;
    int Width = 75;
    int Height = 25;
    std::string Caption;
    std::string Hint;
};

class TControl {
public:
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;
    virtual ~TControl();

    HWND Handle() const { return hwnd_; }
    static TControl* FromHandle(HWND hwnd);

    std::string Text() const;
    void SetText(const std::string& text);
    // As the user sees it: off also while its container (panel, group box) is off.
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    // Its own state, which it takes again when its container comes back on.
    void SetEnabled(bool enabled);
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }
    RECT BoundsInParent() const;

    std::function<void(TControl&, WORD key)> OnKeyUp;
    std::function<void(TControl&)> OnMouseUp;

    // Reflected from the parent.
    virtual void Command(WORD notifyCode) {}
    virtual LRESULT Notify(NMHDR* hdr) { return 0; }
    // A trackbar's or scroll bar's WM_HSCROLL or WM_VSCROLL, with its code.
    virtual void Scroll(WORD code) {}
    virtual bool CtlColor(HDC dc, LRESULT& brush) { return false; }
    virtual void DrawItem(const DRAWITEMSTRUCT& dis) {}
    // Its window has been moved to a monitor of this DPI and rescaled.
    virtual void DpiChanged(UINT dpi) {}

protected:
    TControl(HWND parent, const char* className, DWORD style, DWORD exStyle, const TControlSpec& place);
    virtual LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR ref);

    HWND hwnd_ = nullptr;
    HWND toolTip_ = nullptr;
    std::string hint_;
    bool ownEnabled_ = true;

    friend bool ContainerMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&);
};

// A container control (panel, group box) stands between its children and their form: what a
// child sends its dialog (notifications, colours, WM_CLOSE and WM_NEXTDLGCTL from a memo's Esc and
// Tab, DM_GETDEFID) goes on to the form, and turning the container off greys its children. True
// when the form answered; result then holds its answer.
bool ContainerMessage(HWND container, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

class TLabel : public TControl {
public:
    TLabel(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);
};

class TButton : public TControl {
public:
    TButton(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

    void SetDefault(bool isDefault);
    // A picture from the program's resources: left of the caption, or centred when there is none.
    void SetGlyph(int bitmapId);
    void Click();

    int ModalResult = 0;
    std::function<void(TButton&)> OnClick;

    void Command(WORD notifyCode) override;
    void DpiChanged(UINT dpi) override;

private:
    TForm& form_;
    int glyphId_ = 0;
    TBitmapHandle glyph_;
    // The button only borrows its image list; nothing paints it once the button object goes.
    TImageListHandle images_;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

    bool Checked() const;
    // Runs OnClick whenever the state changes, as a user's click does.
    void SetChecked(bool checked);

    std::function<void(TCheckBox&)> OnClick;
    void Command(WORD notifyCode) override;
};

class TRadioButton : public TControl {
public:
    // The first button of a group starts it; the following ones join it.
    TRadioButton(TForm& parent, const TControlSpec& place, bool firstOfGroup, HWND parentHandle = nullptr);

    bool Checked() const;
    // Checking one unchecks the rest of its group and runs OnClick.
    void SetChecked(bool checked);

    std::function<void(TRadioButton&)> OnClick;
    void Command(WORD notifyCode) override;
};

class TComboBox : public TControl {
public:
    // A drop-down list without typing.
    TComboBox(TForm& parent, const TControlSpec& place, const std::vector<std::string>& items,
              HWND parentHandle = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    int Count() const;
    std::string Item(int index) const;

    std::function<void(TComboBox&)> OnChange;
    void Command(WORD notifyCode) override;
};

enum TBevel { bvNone, bvLowered, bvRaised };

// A plain container with an optional one-pixel bevel; children are created with it as parent.
class TPanel : public TControl {
public:
    TPanel(TForm& parent, const TControlSpec& place, TBevel bevel);

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TBevel bevel_;
};

// A picture control showing an icon.
class TIconImage : public TControl {
public:
    TIconImage(TForm& parent, const TControlSpec& place, HICON icon);
};
