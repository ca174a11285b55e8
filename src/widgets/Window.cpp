#include "widgets/Window.h"

#include <stdexcept>

#include "widgets/Application.h"

TWindow::~TWindow()
{
    DestroyHandle();
}

TWindow* TWindow::FromHandle(HWND hwnd)
{
    if (!hwnd) return nullptr;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) != &Trampoline) return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void TWindow::RegisterClassOnce(const char* className, UINT style, HCURSOR cursor, HBRUSH background, HICON icon)
{
    WNDCLASSEXA existing{sizeof(existing)};
    if (GetClassInfoExA(Application.Instance(), className, &existing)) return;
    WNDCLASSEXA wc{sizeof(wc)};
    wc.style = style;
    wc.lpfnWndProc = &Trampoline;
    wc.hInstance = Application.Instance();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc)) throw std::runtime_error(std::string("Cannot register window class ") + className);
}

void TWindow::CreateHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu)
{
    HWND hwnd = CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, menu,
                                Application.Instance(), this);
    if (!hwnd) throw std::runtime_error(std::string("Cannot create window ") + className);
}

void TWindow::DestroyHandle()
{
    if (hwnd_) DestroyWindow(hwnd_);
}

void TWindow::Invalidate() const
{
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWindow::SetBounds(int left, int top, int width, int height)
{
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TWindow::WorkArea(RECT& work) const
{
    MONITORINFO mi{sizeof mi};
    if (!GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &mi)) return false;
    work = mi.rcWork;
    return true;
}

RECT TWindow::ClientRect() const
{
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r;
}

LRESULT TWindow::PaintMessage()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    Paint(dc);
    EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT TWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(msg, wParam, lParam);
}

LRESULT TWindow::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindow::Trampoline(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<TWindow*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    // No exception crosses a window procedure: it is shown like any handler's error.
    if (!Application.Guard([&] { result = self->WndProc(msg, wParam, lParam); }))
        result = DefWindowProcA(hwnd, msg, wParam, lParam);

    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->HandleDestroyed();
    }
    return result;
}
