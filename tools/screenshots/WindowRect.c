/* Prints the screen rectangle of the first visible top-level window of a class as
   "left top width height"; fails when there is none. tools/screenshots.sh crops with it. */
#include <windows.h>
#include <stdio.h>

int main(int argc, char** argv)
{
    HWND w;
    RECT r;
    if (argc != 2) {
        fprintf(stderr, "usage: WindowRect CLASS\n");
        return 2;
    }
    w = FindWindowA(argv[1], NULL);
    if (!w || !IsWindowVisible(w) || !GetWindowRect(w, &r)) return 1;
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}
