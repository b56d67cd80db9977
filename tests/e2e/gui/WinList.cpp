// Lists the visible top-level windows: title, class, screen rectangle and
// whether the window is topmost (and owned), one per line, tab-separated.
//   winlist sync   first waits until the thread of each of those windows
//                  (but its own) is back in its message loop: a sent WM_NULL
//                  is answered there, so what it was doing is done and only
//                  its paint can be pending; the list follows.
//   winlist query|end  WM_QUERYENDSESSION (each answer printed) or
//                  WM_ENDSESSION(TRUE) to the windows "Wizard", as 98 sends them.
#include <stdio.h>
#include <string.h>
#include <windows.h>

static BOOL CALLBACK Each(HWND window, LPARAM unused) {
    char title[256] = "", cls[256] = "";
    RECT r;
    LONG ex;
    (void)unused;
    if (!IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, title, sizeof title);
    GetClassNameA(window, cls, sizeof cls);
    GetWindowRect(window, &r);
    ex = GetWindowLongA(window, GWL_EXSTYLE);
    printf("%s\t%s\t%ld,%ld,%ld,%ld\t%s\t%s\n", title, cls, (long)r.left, (long)r.top, (long)r.right, (long)r.bottom,
           (ex & WS_EX_TOPMOST) ? "topmost" : "normal", GetWindow(window, GW_OWNER) ? "owned" : "-");
    return TRUE;
}

// A thread busy in a search gives no answer: after 3 s the list goes on.
static BOOL CALLBACK Sync(HWND window, LPARAM unused) {
    DWORD pid = 0;
    DWORD_PTR answer;
    (void)unused;
    GetWindowThreadProcessId(window, &pid);
    if (IsWindowVisible(window) && pid != GetCurrentProcessId())
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &answer);
    return TRUE;
}

static BOOL CALLBACK Session(HWND window, LPARAM end) {
    char title[16] = "";
    DWORD_PTR answer = 0;
    GetWindowTextA(window, title, sizeof title);
    if (strcmp(title, "Wizard") == 0 &&
        SendMessageTimeoutA(window, end ? WM_ENDSESSION : WM_QUERYENDSESSION, end, 0, SMTO_NORMAL, 20000, &answer) &&
        !end)
        printf("%ld\n", (long)answer);
    return TRUE;
}

int main(int argc, char** argv) {
    if (argc > 1 && argv[1][0] != 's') return !EnumWindows(Session, strcmp(argv[1], "end") == 0);
    if (argc > 1 && strcmp(argv[1], "sync") == 0) EnumWindows(Sync, 0);
    EnumWindows(Each, 0);
    return 0;
}
