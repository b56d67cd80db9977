// The window procedures of the toolkit's Win32 side: what Windows reports
// for a form window and its child windows goes to the form's dispatch calls.
//
// The handlers below run with the wizard's code built without exceptions:
// nothing can be thrown through a window procedure, so none is caught here.
// A fault in a handler ends the program where it happens instead of being
// passed over.
#include "platform/win32/UiWin32.h"

namespace ui {
namespace win32ui {

namespace {

static_assert(kKeyTab == VK_TAB && kKeyReturn == VK_RETURN && kKeyEscape == VK_ESCAPE && kKeySpace == VK_SPACE &&
                  kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN,
              "the toolkit's key codes are the virtual-key codes that WM_KEYDOWN brings");

// Windows 2000 and later: NT 5.0 and up. The version decides, not the
// answers of the messages: Wine takes them on any system it reports and
// keeps no state (WM_QUERYUISTATE answers 0), so the form window keeps its
// own and tells the system, for the list box's mark.
bool HasUiState() {
    static int known = -1;
    if (known < 0) {
        OSVERSIONINFOA v{};
        v.dwOSVersionInfoSize = sizeof(v);
        known = GetVersionExA(&v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion >= 5;
    }
    return known != 0;
}

// The keys of moving the focus or the selection, after which Windows shows
// the focus marks of the window (as its dialogs do).
bool IsNavigationKey(WPARAM key) {
    return key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN);  // PgUp PgDn End Home Left Up Right Down
}

// A top-level window passes the change to itself and its children
// (WM_UPDATEUISTATE), the list box's own mark included. That message comes
// back here (FormProc's WM_UPDATEUISTATE, which follows the system's own
// changes, Alt for one): the flag, cleared first, ends the round.
void ShowFocusCues(HWND top) {
    auto it = Windows().find(top);
    if (it == Windows().end() || !it->second.focusCuesHidden) return;
    it->second.focusCuesHidden = false;
    SendMessageA(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (Form* form = FormOf(top)) form->InvalidateFocusMark();
}

// Keys that the toolkit routes itself, whichever window has the focus.
bool RouteKey(HWND top, UINT msg, WPARAM wParam) {
    Form* form = FormOf(top);
    if (!form) return false;
    if (msg == WM_SYSKEYDOWN && wParam == VK_F4) {
        SendMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (msg != WM_KEYDOWN) return false;
    if (IsNavigationKey(wParam)) ShowFocusCues(top);
    // Enter, Esc and Tab; other keys only when a windowless control with the
    // focus takes them.
    return form->DispatchKey(static_cast<int>(wParam), GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0);
}

// The characters of the keys routed above, which would beep in a list box.
bool SwallowChar(WPARAM ch) { return ch == '\r' || ch == 0x1B || ch == '\t'; }

// The wizard's command buttons are off-screen proxies for Enter and Esc. The
// focus rests on one of them, and Space would press it (BN_CLICKED on key
// up): a blind Cancel. Only Enter and Esc press them.
bool SwallowSpace(HWND hwnd, UINT msg, WPARAM wParam) {
    if (wParam != VK_SPACE || (msg != WM_KEYDOWN && msg != WM_KEYUP && msg != WM_CHAR)) return false;
    Control* c = ControlOf(hwnd);
    return c && c->GetKind() == Kind::CommandButton;
}

void Mouse(HWND hwnd, Form& form, Form::MouseEvent ev, int button, WPARAM wParam, LPARAM lParam) {
    int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    int shift = 0;
    if (wParam & MK_SHIFT) shift |= kShiftMask;
    if (wParam & MK_CONTROL) shift |= kCtrlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
    if (ev == Form::MouseEvent::Move) {
        button = 0;
        if (wParam & MK_LBUTTON) button |= kLeftButton;
        if (wParam & MK_RBUTTON) button |= kRightButton;
        if (wParam & MK_MBUTTON) button |= kMiddleButton;
    } else if (ev == Form::MouseEvent::Down) {
        // The release reaches the form even outside its window.
        SetCapture(hwnd);
    }
    form.DispatchMouse(ev, button, shift, x, y);
    // Released after the release is handled: ReleaseCapture sends
    // WM_CAPTURECHANGED at once, which lets go of the pressed control.
    if (ev == Form::MouseEvent::Up && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == hwnd)
        ReleaseCapture();
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Form* form = FormOf(hwnd);
    // Messages before the form knows its window, or after it let go of it.
    if (!form || form->HandleIfLoaded() != S(hwnd)) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_ERASEBKGND: return 1;  // the paint covers the whole area
        case WM_PAINT: PaintForm(hwnd, *form); return 0;
        case WM_QUERYNEWPALETTE: return RealizeFormPalette(hwnd, false) ? TRUE : FALSE;
        case WM_PALETTECHANGED:
            if (reinterpret_cast<HWND>(wParam) != hwnd) RealizeFormPalette(hwnd, true);
            return 0;
        case WM_MOUSEMOVE: Mouse(hwnd, *form, Form::MouseEvent::Move, 0, wParam, lParam); return 0;
        case WM_LBUTTONDOWN: Mouse(hwnd, *form, Form::MouseEvent::Down, kLeftButton, wParam, lParam); return 0;
        case WM_RBUTTONDOWN: Mouse(hwnd, *form, Form::MouseEvent::Down, kRightButton, wParam, lParam); return 0;
        case WM_MBUTTONDOWN: Mouse(hwnd, *form, Form::MouseEvent::Down, kMiddleButton, wParam, lParam); return 0;
        case WM_LBUTTONUP: Mouse(hwnd, *form, Form::MouseEvent::Up, kLeftButton, wParam, lParam); return 0;
        case WM_RBUTTONUP: Mouse(hwnd, *form, Form::MouseEvent::Up, kRightButton, wParam, lParam); return 0;
        case WM_MBUTTONUP: Mouse(hwnd, *form, Form::MouseEvent::Up, kMiddleButton, wParam, lParam); return 0;
        // Windows takes the mouse away between a press and its release (a
        // window that sets the capture, a menu, a dialog, WM_CANCELMODE,
        // whose DefWindowProc releases it): the release goes elsewhere, so
        // the pressed control lets go here.
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd) form->DispatchCaptureLost();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd) {
                SetCursorAt(hwnd, *form);
                return TRUE;
            }
            break;
        case WM_TIMER: form->DispatchTimer(static_cast<int>(wParam)); return 0;
        case WM_COMMAND: {
            int id = LOWORD(wParam), code = HIWORD(wParam);
            Control* c = form->ByChildId(id);
            if (!c) break;
            if (c->GetKind() == Kind::CommandButton && code == BN_CLICKED) {
                form->DispatchCommand(id);
            } else if (c->GetKind() == Kind::ListBox && code == LBN_SELCHANGE) {
                HWND child = reinterpret_cast<HWND>(lParam);
                form->DispatchListSelect(id, static_cast<int>(SendMessageA(child, LB_GETCURSEL, 0, 0)));
            }
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (RouteKey(hwnd, msg, wParam)) return 0;
            break;
        case WM_CHAR:
            if (SwallowChar(wParam)) return 0;
            break;
        case WM_UPDATEUISTATE:
            // The system shows the marks (Alt, for one).
            if (LOWORD(wParam) == UIS_CLEAR && (HIWORD(wParam) & UISF_HIDEFOCUS)) ShowFocusCues(hwnd);
            break;
        case WM_SETFOCUS:
            form->InvalidateFocusMark();
            FocusCameToWindow(hwnd, *form);
            break;
        case WM_KILLFOCUS:
            form->InvalidateFocusMark();
            FocusLeftWindow(hwnd, reinterpret_cast<HWND>(wParam));
            break;
        case WM_GETOBJECT:
            if (LRESULT object = AnswerGetObject(hwnd, wParam, lParam, nullptr)) return object;
            break;
        // High Contrast came or went, or the colours changed: painted afresh
        // in them (Form::Paint asks each time).
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE: InvalidateRect(hwnd, nullptr, FALSE); break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                form->DispatchClose(kUnloadControlMenu);
                return 0;
            }
            break;
        case WM_CLOSE: form->DispatchClose(kUnloadTaskManager); return 0;
        // Windows 95, 98 and ME take any answer but TRUE for a refusal and
        // stay up: the query only asks, the run ends once every program has
        // agreed and the session does end.
        case WM_QUERYENDSESSION: return form->DispatchQueryEndSession() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam) form->DispatchClose(kUnloadAppWindows);
            return 0;
        case WM_MOVE:
            if (!IsIconic(hwnd)) {
                RECT r;
                GetWindowRect(hwnd, &r);
                form->DispatchMoved(r.left, r.top);
            }
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED)
                form->DispatchMinimized(true);
            else if (wParam == SIZE_RESTORED)
                form->DispatchMinimized(false);
            return 0;
        case WM_ACTIVATE:
            // Back to the control that had the focus, or to the window, so
            // that Enter and Esc reach the form.
            if (LOWORD(wParam) != WA_INACTIVE) {
                Control* f = form->Focused();
                if (f && f->IsAlive() && f->ChildWindow() && f->Usable())
                    SetFocus(H(f->ChildWindow()));
                else
                    SetFocus(hwnd);
                return 0;
            }
            break;
        default:
            if (DoDefaultAction(*form, msg, wParam)) return 0;
            break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

HCURSOR CursorFor(int pointer, int resourceId) {
    static SmallMap<int, HCURSOR> resources;
    if (pointer == kPointerHourglass) return LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));  // IDC_WAIT
    if (pointer == kPointerCustom) {
        auto it = resources.find(resourceId);
        if (it == resources.end())
            it = resources.emplace(resourceId, LoadCursorA(Instance(), MAKEINTRESOURCEA(resourceId))).first;
        if (it->second) return it->second;
    }
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
}

void SetCursorAt(HWND hwnd, Form& form) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    int pointer = 0, icon = 0;
    form.CursorAt(p.x, p.y, &pointer, &icon);
    SetCursor(CursorFor(pointer, icon));
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Children().find(hwnd);
    WNDPROC old = it != Children().end() ? it->second.oldProc : DefWindowProcA;
    HWND top = GetParent(hwnd);
    if (SwallowSpace(hwnd, msg, wParam)) return 0;
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (RouteKey(top, msg, wParam)) return 0;
            break;
        case WM_CHAR:
            if (SwallowChar(wParam)) return 0;
            break;
        case WM_SETFOCUS: {
            Control* c = ControlOf(hwnd);
            Form* form = FormOf(top);
            if (form && c) form->DispatchFocus(c->ChildId());
            break;
        }
        case WM_KILLFOCUS:
            // A proxy's mark on its picture goes with the focus.
            if (Form* form = FormOf(top)) form->InvalidateFocusMark();
            FocusLeftWindow(top, reinterpret_cast<HWND>(wParam));
            break;
        case WM_GETOBJECT:
            if (LRESULT object = AnswerGetObject(hwnd, wParam, lParam, ControlOf(hwnd))) return object;
            break;
        case WM_SETCURSOR: {
            Form* form = FormOf(top);
            Control* c = ControlOf(hwnd);
            if (form && form->MousePointer() == kPointerHourglass) {
                SetCursor(CursorFor(kPointerHourglass, 0));
                return TRUE;
            }
            if (form && c && c->IsAlive() && c->MousePointer() != kPointerDefault) {
                SetCursor(CursorFor(c->MousePointer(), form->MouseIcon()));
                return TRUE;
            }
            break;
        }
        default: break;
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
}

// Only where the user did not choose to see the marks (and the underlined
// letters) at all times: "Hide underlined letters for keyboard navigation"
// in Display, Effects, which SPI_GETKEYBOARDCUES reports as FALSE.
void HideFocusCues(HWND form) {
    if (!HasUiState()) return;
    BOOL alwaysShown = FALSE;
    if (SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0) && alwaysShown) return;
    Windows()[form].focusCuesHidden = true;
    SendMessageA(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
}

bool FocusMarkShown(HWND form) {
    HWND focus = GetFocus();
    if (!focus || (focus != form && GetParent(focus) != form)) return false;
    auto it = Windows().find(form);
    return it == Windows().end() || !it->second.focusCuesHidden;
}

void RegisterFormClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = Instance();
    wc.hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(1));
    wc.lpszClassName = kFormClass;
    RegisterClassA(&wc);
    done = true;
}

}  // namespace win32ui
}  // namespace ui
