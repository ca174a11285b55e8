// The floor of what a clock window can cost: one borderless top-most window, one one-second
// timer, N time texts formatted and drawn on every tick. The idle-cost script runs it beside the
// program with the same N.
//   doviz_floor.exe [N]

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int FaceWidth = 75;
constexpr int BandHeight = 22;
constexpr int FaceHeight = 18;
constexpr COLORREF FaceColor = RGB(0, 0, 255);

int faces = 10;
std::vector<std::string> texts;
HFONT font = nullptr;

void Tick(HWND hwnd)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char buf[64];
    for (auto& text : texts) {
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, "HH':'mm':'ss", buf, sizeof buf);
        text = buf;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT band{0, 0, FaceWidth * faces, BandHeight};
    FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH blue = CreateSolidBrush(FaceColor);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, RGB(255, 255, 0));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < faces; ++i) {
        RECT r{i * FaceWidth, BandHeight, (i + 1) * FaceWidth, BandHeight + FaceHeight};
        FillRect(dc, &r, blue);
        DrawTextA(dc, texts[i].c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
    DeleteObject(blue);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        Tick(hwnd);
        return 0;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (commandLine && *commandLine) faces = std::max(1, atoi(commandLine));
    texts.resize(static_cast<std::size_t>(faces));
    font = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");

    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "TFloorClock";
    RegisterClassExA(&wc);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = FaceWidth * faces, height = BandHeight + FaceHeight;
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "TFloorClock", "Floor clock", WS_POPUP,
                                work.left + 24, work.bottom - height - 24, width, height, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd) return 1;
    Tick(hwnd);
    ShowWindow(hwnd, SW_SHOWNA);
    SetTimer(hwnd, 1, 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
