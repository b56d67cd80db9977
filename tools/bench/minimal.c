/* The smallest Win32 program that shows a window: the yardstick for the
   wizard's time from start to its first window (tools/bench.sh). */
#include <windows.h>

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    WNDCLASSA wc = {0};
    MSG msg;
    (void)previous;
    (void)commandLine;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "Minimal";
    RegisterClassA(&wc);
    ShowWindow(CreateWindowExA(0, "Minimal", "Minimal", WS_POPUP, 0, 0, 200, 100, NULL, NULL, instance, NULL), show);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
