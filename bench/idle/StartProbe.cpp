// Starts a clock program and reports how long it took until its first face was painted: the
// window of the given class is visible and the pixel just inside its first face shows the face
// colour (blue).
//   doviz_start_probe.exe CLASS PROGRAM [ARGUMENT]

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: doviz_start_probe CLASS PROGRAM [ARGUMENT]\n");
        return 2;
    }
    const char* windowClass = argv[1];
    std::string command = std::string("\"") + argv[2] + "\"" + (argc > 3 ? std::string(" ") + argv[3] : "");
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    STARTUPINFOA si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(argv[2], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start %s\n", argv[2]);
        return 1;
    }
    CloseHandle(pi.hThread);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 30000; ++i) {
        HWND w = FindWindowA(windowClass, nullptr);
        if (w && IsWindowVisible(w)) {
            // Below the 22-pixel band, past the face's two-pixel frame.
            POINT p{5, 25};
            ClientToScreen(w, &p);
            if (GetPixel(screen, p.x, p.y) == RGB(0, 0, 255)) {
                QueryPerformanceCounter(&now);
                std::printf("%.0f\n", 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                                          static_cast<double>(frequency.QuadPart));
                ReleaseDC(nullptr, screen);
                CloseHandle(pi.hProcess);
                return 0;
            }
        }
        Sleep(1);
    }
    ReleaseDC(nullptr, screen);
    CloseHandle(pi.hProcess);
    std::fprintf(stderr, "no painted face within the time allowed\n");
    return 1;
}
