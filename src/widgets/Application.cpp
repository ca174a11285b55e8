#include "widgets/Application.h"

#include <commctrl.h>

#include "widgets/Form.h"

TApplication Application;

namespace {

LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SYSCOMMAND) {
        // The owner window itself stays hidden: minimising and restoring are the program's events.
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            if (Application.OnMinimize) Application.Guard(Application.OnMinimize);
            return 0;
        case SC_RESTORE:
            if (Application.OnRestore) Application.Guard(Application.OnRestore);
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void TApplication::Initialize(HINSTANCE instance)
{
    if (handle_) return;
    instance_ = instance ? instance : GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                              ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = &AppWndProc;
    wc.hInstance = instance_;
    wc.lpszClassName = "TApplication";
    RegisterClassExA(&wc);
    // Zero-sized: it exists to own the forms, never to be seen. A tool window from the start, as
    // a shell may give a taskbar button to any window it sees created without that style.
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, "TApplication", title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance_, nullptr);
}

HWND TApplication::LastActiveWindow() const
{
    return lastActive_ && IsWindow(lastActive_) ? lastActive_ : nullptr;
}

HWND TApplication::ModalOwner(HWND opening) const
{
    HWND from = GetActiveWindow();
    if (from && from != opening && IsWindowVisible(from)) return from;
    if (HWND main = MainWindow(); main && main != opening) return main;
    return handle_;
}

void TApplication::SetTitle(const std::string& title)
{
    title_ = title;
    if (handle_) SetWindowTextA(handle_, title_.c_str());
}

void TApplication::HandleMessage(MSG& msg)
{
    if (TForm::PreTranslate(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void TApplication::Run()
{
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        HandleMessage(msg);
    }
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        HandleMessage(msg);
    }
}

void TApplication::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::CancelTerminate()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    terminated_ = false;
}

bool TApplication::Guard(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
    return false;
}

void TApplication::ShowException(const std::exception& e)
{
    ShowMessageBox(e.what(), title_, MB_OK | MB_ICONERROR);
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    if (MessageBoxHook) return MessageBoxHook(text, caption, flags);
    return MessageBoxA(ModalOwner(), text.c_str(), caption.c_str(), flags);
}
