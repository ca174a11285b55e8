#pragma once
// A window object bound to its HWND: one trampoline, a few virtuals.

#include <windows.h>

#include <string>

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    HWND Handle() const { return hwnd_; }

    // The object of a window created through this class, or null.
    static TWindow* FromHandle(HWND hwnd);

    bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    void Invalidate() const;
    void SetBounds(int left, int top, int width, int height);
    RECT ClientRect() const;
    // The work area of the monitor the window is on (or nearest to); false when none answers.
    bool WorkArea(RECT& work) const;

protected:
    // Registers the class once per process (the trampoline is its window procedure).
    static void RegisterClassOnce(const char* className, UINT style, HCURSOR cursor, HBRUSH background,
                                  HICON icon = nullptr);
    void CreateHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y,
                      int width, int height, HWND parent, HMENU menu = nullptr);
    void DestroyHandle();

    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Answers WM_PAINT through Paint.
    LRESULT PaintMessage();
    virtual void Paint(HDC dc) {}

    // Called after WM_NCDESTROY, when the handle is gone.
    virtual void HandleDestroyed() {}

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};
