#include "widgets/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "widgets/Application.h"
#include "widgets/Controls.h"
#include "widgets/ToolTip.h"

std::function<void(TForm&)> TForm::ModalHook;

namespace {

constexpr UINT WM_MODAL_SHOWN = WM_APP + 0x100;

DWORD StyleFor(const TForm::TParams& p)
{
    switch (p.BorderStyle) {
    case bsNone:
        return WS_POPUP | WS_CLIPCHILDREN;
    case bsDialog:
        // The system chooses a place (staggered from the last) only for an overlapped window.
        return (p.Position == poDefault ? WS_OVERLAPPED : WS_POPUP) | WS_CAPTION | WS_CLIPCHILDREN |
               (p.CloseBox ? WS_SYSMENU : 0) | DS_MODALFRAME;
    case bsToolWindow:
        return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | (p.CloseBox ? WS_SYSMENU : 0);
    case bsSizeable:
        break;
    }
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

DWORD ExStyleFor(const TForm::TParams& p)
{
    DWORD ex = WS_EX_CONTROLPARENT;
    if (p.BorderStyle == bsDialog) ex |= WS_EX_DLGMODALFRAME;
    if (p.BorderStyle == bsToolWindow) ex |= WS_EX_TOOLWINDOW;
    if (p.Topmost) ex |= WS_EX_TOPMOST;
    return ex;
}

BOOL CALLBACK CollectEnabled(HWND hwnd, LPARAM lParam)
{
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

bool IsTopMost(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TShiftState TShiftState::Current()
{
    return {(GetKeyState(VK_SHIFT) & 0x8000) != 0, (GetKeyState(VK_CONTROL) & 0x8000) != 0,
            (GetKeyState(VK_MENU) & 0x8000) != 0};
}

TForm::TParams TForm::DialogParams(std::string className, std::string caption, int clientWidth, int clientHeight)
{
    TParams p;
    p.ClassName = std::move(className);
    p.Caption = std::move(caption);
    p.BorderStyle = bsDialog;
    p.Position = poScreenCenter;
    p.ClientWidth = clientWidth;
    p.ClientHeight = clientHeight;
    p.MinMaxBoxes = false;
    return p;
}

TForm::TForm(const TParams& p) : position_(p.Position)
{
    RegisterClassOnce(p.ClassName.c_str(), CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), p.Icon);
    DWORD style = StyleFor(p);
    DWORD exStyle = ExStyleFor(p);
    RECT r{0, 0, Scale(p.ClientWidth), Scale(p.ClientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    CreateHandle(exStyle, p.ClassName.c_str(), p.Caption.c_str(), style, x, y, r.right - r.left, r.bottom - r.top,
                 Application.Handle());
    if (p.Icon) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(p.Icon));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(p.Icon));
    }
    // Made for the primary monitor; a window that opens on another takes that one's DPI.
    if (UINT dpi = WindowDpi(Handle()); dpi != dpi_) {
        dpi_ = dpi;
        font_.SetDpi(dpi);
        SetClientSize(p.ClientWidth, p.ClientHeight);
    }
    toolTip_ = CreateToolTip();
    if (position_ == poScreenCenter) Center();
}

UINT FormDpi(HWND window)
{
    if (auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(GetAncestor(window, GA_ROOT)))) return form->Dpi();
    return WindowDpi(window);
}

TForm::~TForm()
{
    if (toolTip_) DestroyWindow(toolTip_);
    DestroyHandle();
}

void TForm::Center()
{
    RECT wr;
    GetWindowRect(Handle(), &wr);
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    HMONITOR mon = MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO mi{sizeof(mi)};
    GetMonitorInfoA(mon, &mi);
    const RECT& a = mi.rcWork;
    SetWindowPos(Handle(), nullptr, a.left + (a.right - a.left - w) / 2, a.top + (a.bottom - a.top - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show()
{
    ShowWindow(Handle(), SW_SHOW);
}

void TForm::Hide()
{
    ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close()
{
    if (inModal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    if (OnClose) OnClose(*this, action);
    if (action == caHide)
        Hide();
    else if (action == caFree)
        DestroyHandle();
}

namespace {

std::vector<TForm*>& ModalForms()
{
    static std::vector<TForm*> forms;
    return forms;
}

}  // namespace

TForm* TForm::TopModal()
{
    return ModalForms().empty() ? nullptr : ModalForms().back();
}

int TForm::ShowModal()
{
    // The window the user worked in gets the keyboard back afterwards, as a dialog's owner does.
    HWND before = GetActiveWindow();
    const HWND formerOwner = GetWindow(Handle(), GW_OWNER);
    const bool wasTopMost = IsTopMost(Handle());
    const HWND owner = Application.ModalOwner(Handle());
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    // Above a top-most clock too, when opened from a window it covers.
    if (IsTopMost(owner) || IsTopMost(Application.MainWindow()))
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The thread's other windows are disabled while the form is up, as a dialog's owner would be.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), &CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
    for (HWND w : disabled)
        if (w != Handle()) EnableWindow(w, FALSE);

    modalResult_ = mrNone;
    inModal_ = true;
    ModalForms().push_back(this);
    Show();
    SetForegroundWindow(Handle());
    // Keys reach a dialog through its focused control: start on the first one, as dialogs do.
    if (!IsChild(Handle(), GetFocus()))
        if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
    if (ModalHook) PostMessageA(Handle(), WM_MODAL_SHOWN, 0, 0);

    MSG msg;
    // A form destroyed with its owner ends its loop as cancelled.
    while (modalResult_ == mrNone && IsWindow(Handle())) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            modalResult_ = mrCancel;
            break;
        }
        Application.HandleMessage(msg);
    }
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    inModal_ = false;
    std::erase(ModalForms(), this);

    for (HWND w : disabled)
        if (w != Handle() && IsWindow(w)) EnableWindow(w, TRUE);
    Hide();
    // A form shown again later belongs where it did before.
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(formerOwner));
    if (!wasTopMost && IsTopMost(Handle()))
        SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (before && before != Handle() && IsWindowVisible(before) && IsWindowEnabled(before)) SetForegroundWindow(before);
    return modalResult_;
}

void TForm::SetClientSize(int width, int height)
{
    SetClientPixels(Scale(width), Scale(height));
}

void TForm::SetClientPixels(int width, int height)
{
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame measured at the system's DPI may differ from the frame at the window's own.
    const SIZE got = ClientSize();
    if (got.cx != width || got.cy != height) {
        RECT wr;
        GetWindowRect(Handle(), &wr);
        SetWindowPos(Handle(), nullptr, 0, 0, wr.right - wr.left + width - got.cx, wr.bottom - wr.top + height - got.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

namespace {

// From the top of a drop-down list's field to the bottom of its open list.
int DroppedExtent(HWND combo)
{
    RECT field{}, list{};
    GetWindowRect(combo, &field);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
    return std::max(list.bottom, field.bottom) - field.top;
}

struct TRescaleWalk {
    UINT From;
    UINT To;
    HFONT OldFont;
    HFONT NewFont;
};

// Our own controls keep their places in proportion; the parts that standard controls make
// for themselves follow their owners.
BOOL CALLBACK RescaleChild(HWND child, LPARAM lParam)
{
    const auto& walk = *reinterpret_cast<const TRescaleWalk*>(lParam);
    if (!TControl::FromHandle(child) && !TWindow::FromHandle(child)) return TRUE;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    const bool combo = lstrcmpiA(className, WC_COMBOBOXA) == 0;
    // A drop-down list's height is that of the field and its open list.
    const int height = combo ? DroppedExtent(child) : r.bottom - r.top;
    // The font first: a combo box sizes itself anew when it gets one.
    if (reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)) == walk.OldFont)
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(walk.NewFont), TRUE);
    auto scale = [&](int v) { return MulDiv(v, static_cast<int>(walk.To), static_cast<int>(walk.From)); };
    SetWindowPos(child, nullptr, scale(r.left), scale(r.top), scale(r.right - r.left), scale(height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // How much of the height the open list gets is the combo box's own affair: measured, then mended.
    if (combo)
        if (int off = scale(height) - DroppedExtent(child))
            SetWindowPos(child, nullptr, 0, 0, scale(r.right - r.left), scale(height) + off,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (TControl* control = TControl::FromHandle(child)) control->DpiChanged(walk.To);
    return TRUE;
}

}  // namespace

void TForm::Rescale(UINT dpi, const RECT& suggested)
{
    const UINT old = dpi_;
    if (dpi != 0 && dpi != old) {
        const SIZE client = ClientSize();
        TRescaleWalk walk{old, dpi, font_.Handle(), nullptr};
        dpi_ = dpi;
        font_.SetDpi(dpi);
        walk.NewFont = font_.Handle();
        EnumChildWindows(Handle(), &RescaleChild, reinterpret_cast<LPARAM>(&walk));
        SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        // The client keeps its proportions exactly, whatever the frame measures.
        SetClientPixels(MulDiv(client.cx, static_cast<int>(dpi), static_cast<int>(old)),
                        MulDiv(client.cy, static_cast<int>(dpi), static_cast<int>(old)));
        DpiChanged(old);
    } else {
        SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Invalidate();
}

SIZE TForm::ClientSize() const
{
    RECT r = ClientRect();
    return {r.right - r.left, r.bottom - r.top};
}

void TForm::SetCaption(const std::string& caption)
{
    SetWindowTextA(Handle(), caption.c_str());
}

std::string TForm::Caption() const
{
    char buf[512] = {};
    GetWindowTextA(Handle(), buf, sizeof buf);
    return buf;
}

bool TForm::PreTranslate(MSG& msg)
{
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(root));
    if (!form) return false;
    if (form->KeyPreview && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && form->OnKeyDown) {
        WORD key = static_cast<WORD>(msg.wParam);
        TShiftState shift = TShiftState::Current();
        Application.Guard([&] { form->OnKeyDown(*form, key, shift); });
    }
    // Tab, arrows, Enter and Esc between a form's controls.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && GetWindow(root, GW_CHILD) &&
        IsDialogMessageA(root, &msg))
        return true;
    return false;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MODAL_SHOWN:
        if (ModalHook) {
            auto hook = ModalHook;
            hook(*this);
        }
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DPICHANGED:
        Rescale(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) Application.NoteActive(Handle());
        break;
    case WM_NEXTDLGCTL: {
        // A memo's Tab and Shift+Tab, as the dialog manager would move them.
        HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
        if (target && IsChild(Handle(), target)) {
            SetFocus(target);
            if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(target, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    case DM_GETDEFID:
        if (DefaultButton && DefaultButton->Handle())
            return MAKELRESULT(GetDlgCtrlID(DefaultButton->Handle()), DC_HASDEFID);
        return 0;
    case WM_COMMAND: {
        HWND child = reinterpret_cast<HWND>(lParam);
        if (child) {
            if (TControl* control = TControl::FromHandle(child)) control->Command(HIWORD(wParam));
            return 0;
        }
        // Enter and Esc, as the dialog manager reports them.
        WORD id = LOWORD(wParam);
        if (id == IDCANCEL && CancelButton && IsWindowEnabled(CancelButton->Handle())) CancelButton->Click();
        if (id == IDOK && DefaultButton && IsWindowEnabled(DefaultButton->Handle())) DefaultButton->Click();
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (TControl* control = TControl::FromHandle(reinterpret_cast<HWND>(lParam))) {
            control->Scroll(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (TControl* control = TControl::FromHandle(hdr->hwndFrom)) return control->Notify(hdr);
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (TControl* control = TControl::FromHandle(reinterpret_cast<HWND>(lParam))) {
            LRESULT brush = 0;
            if (control->CtlColor(reinterpret_cast<HDC>(wParam), brush)) return brush;
        }
        break;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (TControl* control = TControl::FromHandle(dis->hwndItem)) {
            control->DrawItem(*dis);
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
