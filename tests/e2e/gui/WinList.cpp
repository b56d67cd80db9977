// Lists the visible top-level windows: title, class, screen rectangle,
// whether the window is topmost and its owner's rectangle (or -), one per
// line, tab-separated.
//   winlist sync   first waits until the thread of each of those windows
//                  (but its own) is back in its message loop: a sent WM_NULL
//                  is answered there, so what it was doing is done and only
//                  its paint can be pending; the list follows.
//   winlist query  sends WM_QUERYENDSESSION to every top-level window titled
//                  "Wizard" and prints each answer (timeout: -1).
//   winlist end    sends them WM_ENDSESSION(TRUE).
#include <stdio.h>
#include <string.h>
#include <windows.h>

static BOOL CALLBACK Each(HWND window, LPARAM unused) {
    char title[256] = "", cls[256] = "";
    RECT r, o = {0, 0, 0, 0};
    HWND owner = GetWindow(window, GW_OWNER);
    char owned[64] = "-";
    LONG ex;
    (void)unused;
    if (!IsWindowVisible(window)) return TRUE;
    if (owner && GetWindowRect(owner, &o))
        sprintf(owned, "%ld,%ld,%ld,%ld", (long)o.left, (long)o.top, (long)o.right, (long)o.bottom);
    GetWindowTextA(window, title, sizeof title);
    GetClassNameA(window, cls, sizeof cls);
    GetWindowRect(window, &r);
    ex = GetWindowLongA(window, GWL_EXSTYLE);
    printf("%s\t%s\t%ld,%ld,%ld,%ld\t%s\t%s\n", title, cls, (long)r.left, (long)r.top, (long)r.right, (long)r.bottom,
           (ex & WS_EX_TOPMOST) ? "topmost" : "normal", owned);
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

// The end of the session as Windows 98 sends it, lParam 0: the query, then
// (lParam of EnumWindows 1) the end.
static BOOL CALLBACK Session(HWND window, LPARAM end) {
    char title[256] = "";
    DWORD_PTR answer = 0;
    GetWindowTextA(window, title, sizeof title);
    if (strcmp(title, "Wizard") != 0) return TRUE;
    if (end) {
        SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 20000, &answer);
        return FALSE;  // the wizard ends in its first window's answer
    }
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer)) answer = (DWORD_PTR)-1;
    printf("%ld\n", (long)answer);
    return TRUE;
}

int main(int argc, char** argv) {
    if (argc > 1 && (strcmp(argv[1], "query") == 0 || strcmp(argv[1], "end") == 0)) {
        EnumWindows(Session, strcmp(argv[1], "end") == 0);
        return 0;
    }
    if (argc > 1 && strcmp(argv[1], "sync") == 0) EnumWindows(Sync, 0);
    EnumWindows(Each, 0);
    return 0;
}
