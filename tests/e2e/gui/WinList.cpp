// Lists the visible top-level windows: title, class, screen rectangle and
// whether the window is topmost, one per line, tab-separated.
#include <stdio.h>
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
    printf("%s\t%s\t%ld,%ld,%ld,%ld\t%s\n", title, cls, (long)r.left, (long)r.top, (long)r.right, (long)r.bottom,
           (ex & WS_EX_TOPMOST) ? "topmost" : "normal");
    return TRUE;
}

int main(void) {
    EnumWindows(Each, 0);
    return 0;
}
