#pragma once
// A top-level window: border style, position, client size, caption, modal showing.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "widgets/Dpi.h"
#include "widgets/Font.h"
#include "widgets/Window.h"

class TButton;
class TControl;

enum TBorderStyle { bsNone, bsDialog, bsToolWindow, bsSizeable };
enum TPosition { poDesigned, poDefault, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree };

// The DPI of the form a window belongs to (its controls are laid out for it).
UINT FormDpi(HWND window);

// Results a modal form closes with.
enum TModalResult { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL };

struct TShiftState {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    static TShiftState Current();
    friend bool operator==(const TShiftState&, const TShiftState&) = default;
};

class TForm : public TWindow {
public:
    struct TParams {
        std::string ClassName = "TForm";
        std::string Caption;
        TBorderStyle BorderStyle = bsSizeable;
        TPosition Position = poDefault;
        int ClientWidth = 300;
        int ClientHeight = 200;
        bool Topmost = false;
        // Dialog forms have a close box only.
        bool CloseBox = true;
        bool MinMaxBoxes = true;
        HICON Icon = nullptr;
    };

    // A fixed dialog with a close box only, centred on the screen.
    static TParams DialogParams(std::string className, std::string caption, int clientWidth, int clientHeight);

    explicit TForm(const TParams& params);
    ~TForm() override;

    void Show();
    void Hide();
    // Runs the close event; the form is hidden (or its handle destroyed) as it decides.
    void Close();
    int ShowModal();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // In pixels at 96 DPI, scaled to the form's.
    void SetClientSize(int width, int height);
    // In the screen's pixels.
    void SetClientPixels(int width, int height);
    SIZE ClientSize() const;

    // The DPI of the monitor the form is on, and a length at 96 DPI in its pixels.
    UINT Dpi() const { return dpi_; }
    int Scale(int pixels96) const { return ::Scale(pixels96, dpi_); }
    void SetCaption(const std::string& caption);
    std::string Caption() const;

    const TFont& Font() const { return font_; }
    HWND ToolTip() const { return toolTip_; }

    bool KeyPreview = false;
    TButton* DefaultButton = nullptr;
    TButton* CancelButton = nullptr;

    std::function<void(TForm&, TCloseAction&)> OnClose;
    std::function<void(TForm&, WORD key, TShiftState shift)> OnKeyDown;

    // Tests act on a modal form once it is shown, then set its ModalResult.
    static std::function<void(TForm&)> ModalHook;
    // The innermost form whose modal loop runs; null when none does.
    static TForm* TopModal();

    // Key preview and dialog navigation for the message loops; true when the message was handled.
    static bool PreTranslate(MSG& msg);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Asked before closing; false keeps the form open.
    virtual bool CloseQuery() { return true; }
    // After the form and its controls were rescaled for a monitor of another DPI.
    virtual void DpiChanged(UINT oldDpi) {}

private:
    void Center();
    void Rescale(UINT dpi, const RECT& suggested);

    UINT dpi_ = SystemDpi();
    TFont font_{"MS Sans Serif", 8};
    HWND toolTip_ = nullptr;
    TPosition position_;
    int modalResult_ = mrNone;
    bool inModal_ = false;
};
