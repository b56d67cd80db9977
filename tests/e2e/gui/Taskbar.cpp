// A taskbar for the walks: Wine on a bare X screen has none, so this one
// stands in. It is a window of the taskbar's class with an empty title, a grey
// bar at the foot of the screen, and it appends to the file named on its
// command line a line for each change it sees: "shown", "hidden", and
// "end session" when the session ends (which is how a reboot request
// reaches the programs under Wine).
#include <windows.h>

static char logFile[MAX_PATH];

static void Note(const char* what) {
    HANDLE h = CreateFileA(logFile, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    if (h == INVALID_HANDLE_VALUE) return;
    WriteFile(h, what, lstrlenA(what), &written, NULL);
    WriteFile(h, "\r\n", 2, &written, NULL);
    CloseHandle(h);
}

static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_WINDOWPOSCHANGED: {
            const WINDOWPOS* pos = (const WINDOWPOS*)lParam;
            if (pos->flags & SWP_SHOWWINDOW) Note("shown");
            if (pos->flags & SWP_HIDEWINDOW) Note("hidden");
            return 0;
        }
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                Note("end session");
                PostQuitMessage(0);
            }
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, msg, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE unused, LPSTR commandLine, int show) {
    WNDCLASSA wc = {};
    HWND window;
    MSG msg;
    (void)unused;
    (void)show;
    lstrcpynA(logFile, commandLine, sizeof logFile);
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    window = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, GetSystemMetrics(SM_CYSCREEN) - 30,
                             GetSystemMetrics(SM_CXSCREEN), 30, NULL, NULL, instance, NULL);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
