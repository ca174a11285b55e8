#pragma once
// A top-level window: border style, position, client size, caption, modal showing.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "widgets/Font.h"
#include "widgets/Window.h"

class TButton;
class TControl;

enum TBorderStyle { bsNone, bsDialog, bsToolWindow, bsSizeable };
enum TPosition { poDesigned, poDefault, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree };

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

    explicit TForm(const TParams& params);
    ~TForm() override;

    void Show();
    void Hide();
    // Runs the close event; the form is hidden (or its handle destroyed) as it decides.
    void Close();
    int ShowModal();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void SetClientSize(int width, int height);
    SIZE ClientSize() const;
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

    // Key preview and dialog navigation for the message loops; true when the message was handled.
    static bool PreTranslate(MSG& msg);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Asked before closing; false keeps the form open.
    virtual bool CloseQuery() { return true; }

private:
    void Center();

    TFont font_{"MS Sans Serif", 8};
    HWND toolTip_ = nullptr;
    TPosition position_;
    int modalResult_ = mrNone;
    bool inModal_ = false;
};
