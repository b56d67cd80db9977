// The window calls of platform/sys/Ui.h (user32).
#include "platform/sys/Ui.h"
#include "platform/win32/Win32.h"

namespace sys {

static_assert(kSwpNoSize == SWP_NOSIZE && kSwpNoMove == SWP_NOMOVE && kSwpNoActivate == SWP_NOACTIVATE &&
              kSwpShowWindow == SWP_SHOWWINDOW && kSwpHideWindow == SWP_HIDEWINDOW);

Handle FindWindow(const std::wstring& className, const std::wstring& title) {
    Ansi c = ToAnsi(className), t = ToAnsi(title);
    return reinterpret_cast<Handle>(FindWindowA(c.c_str(), t.c_str()));
}

bool SetWindowPos(Handle window, Handle insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  uint32_t flags) {
    return ::SetWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(insertAfter), x, y, width, height,
                          flags) != FALSE;
}

bool GetCursorPos(int32_t* x, int32_t* y) {
    POINT p{0, 0};
    BOOL ok = ::GetCursorPos(&p);
    *x = p.x;
    *y = p.y;
    return ok != FALSE;
}

void DiscardPendingInput() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

bool ClientToScreen(Handle window, int32_t* x, int32_t* y) {
    POINT p{*x, *y};
    BOOL ok = ::ClientToScreen(reinterpret_cast<HWND>(window), &p);
    *x = p.x;
    *y = p.y;
    return ok != FALSE;
}

}  // namespace sys
