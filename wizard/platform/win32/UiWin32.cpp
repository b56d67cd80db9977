// The Win32 backend of the window toolkit: one window class for the forms,
// BUTTON and LISTBOX children, timers of the form windows and the message
// loop. Painting is in UiWin32Paint, the window procedures in UiWin32Input.
#include "platform/win32/UiWin32.h"

#include "platform/win32/ScopedGdi.h"

namespace ui {
namespace win32ui {

DWORD StyleOf(int borderStyle) {
    return (borderStyle ? (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) : WS_POPUP) | WS_CLIPCHILDREN;
}

SmallMap<HWND, WindowState>& Windows() {
    static SmallMap<HWND, WindowState> w;
    return w;
}

SmallMap<HWND, ChildState>& Children() {
    static SmallMap<HWND, ChildState> c;
    return c;
}

namespace {

class Win32Backend : public Backend {
public:
    float TextWidth(const Font& font, const std::wstring& line) override {
        std::string text = sys::ToAnsi(line);
        HDC dc = MeasureDc();
        ::win32::ScopedSelectObject selected(dc, FontFor(font));
        SIZE size{0, 0};
        if (!text.empty()) GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<float>(size.cx);
    }
    float LineHeight(const Font& font) override {
        HDC dc = MeasureDc();
        ::win32::ScopedSelectObject selected(dc, FontFor(font));
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        return static_cast<float>(tm.tmHeight);
    }
    bool PictureSize(int id, int* w, int* h) override {
        if (DisplayPalette()) {
            const ::win32::Dib* dib = DibFor(id);
            if (!dib) return false;
            *w = dib->Width();
            *h = dib->Height();
            return true;
        }
        HBITMAP b = BitmapFor(id);
        if (!b) return false;
        BITMAP info{};
        if (!GetObjectA(b, sizeof(info), &info)) return false;
        *w = info.bmWidth;
        *h = info.bmHeight;
        return true;
    }
    int ScreenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
    int ScreenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }

    sys::Handle CreateForm(Form& form) override {
        RegisterFormClass();
        std::string caption = sys::ToAnsi(form.Caption());
        DWORD style = StyleOf(form.BorderStyle());
        // A top-level window's parent is its owner.
        HWND hwnd = CreateWindowExA(0, kFormClass, caption.c_str(), style, 0, 0, 100, 100, H(form.OwnerWindow()),
                                    nullptr, Instance(), &form);
        if (hwnd) {
            WindowState& w = Windows()[hwnd];
            w.caption = caption;
            w.style = style;
            HideFocusCues(hwnd);
        }
        return S(hwnd);
    }
    void DestroyForm(Form& form, sys::Handle window) override {
        HWND hwnd = H(window);
        if (IsWindowVisible(hwnd)) AnnounceWindow(hwnd, form, false);
        if (GetCapture() == hwnd) ReleaseCapture();
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
        Windows().erase(hwnd);
    }
    void SyncForm(Form& form) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (!hwnd) return;
        WindowState& w = Windows()[hwnd];
        std::string caption = sys::ToAnsi(form.Caption());
        if (caption != w.caption) {
            w.caption = caption;
            SetWindowTextA(hwnd, caption.c_str());
        }
        DWORD style = StyleOf(form.BorderStyle());
        UINT frame = 0;
        if (style != w.style) {
            DWORD current = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
            DWORD keep = current & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
            SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style | keep));
            w.style = style;
            frame = SWP_FRAMECHANGED;
        }
        EnableWindow(hwnd, (form.Enabled() && !w.blocked) ? TRUE : FALSE);
        if (!IsIconic(hwnd)) {
            int dx = 0, dy = 0;
            FrameExtra(form.BorderStyle(), &dx, &dy);
            SetWindowPos(hwnd, nullptr, RoundPixel(form.Left()), RoundPixel(form.Top()),
                         RoundPixel(form.ScaleWidth()) + dx, RoundPixel(form.ScaleHeight()) + dy,
                         SWP_NOZORDER | SWP_NOACTIVATE | frame);
        }
        if (IsWindowVisible(hwnd)) ApplyState(form, hwnd);
    }
    void ShowForm(Form& form, bool show) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (!hwnd) return;
        if (!show) {
            ShowWindow(hwnd, SW_HIDE);
            return;
        }
        bool wasShown = IsWindowVisible(hwnd) != FALSE;
        ShowWindow(hwnd, form.WindowState() == kStateMinimized ? SW_SHOWMINIMIZED : SW_SHOW);
        SetForegroundWindow(hwnd);
        if (!wasShown) AnnounceWindow(hwnd, form, true);
    }
    void BlockForm(Form& form, bool blocked) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (!hwnd) return;
        Windows()[hwnd].blocked = blocked;
        EnableWindow(hwnd, (form.Enabled() && !blocked) ? TRUE : FALSE);
    }
    void Invalidate(Form& form, const Rect& r) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (!hwnd) return;
        RECT rc{r.left, r.top, r.right, r.bottom};
        InvalidateRect(hwnd, &rc, FALSE);
    }
    void Update(Form& form) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (hwnd) UpdateWindow(hwnd);
    }
    void PointerChanged(Form& form) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (!hwnd || !IsWindowVisible(hwnd)) return;
        POINT p;
        GetCursorPos(&p);
        RECT r;
        GetWindowRect(hwnd, &r);
        if (p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom) return;
        HWND under = WindowFromPoint(p);
        if (under != hwnd && GetParent(under) != hwnd) return;
        SetCursorAt(hwnd, form);
    }

    sys::Handle CreateChild(Form& form, Control& control) override {
        HWND parent = H(form.HandleIfLoaded());
        if (!parent) return 0;
        HWND hwnd = nullptr;
        HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.ChildId()));
        if (control.GetKind() == Kind::CommandButton) {
            hwnd = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                                   parent, id, Instance(), nullptr);
        } else if (control.GetKind() == Kind::ListBox) {
            // Right to left: the styles that the Hebrew and Arabic editions
            // of every Windows since 95 honour (and the others ignore), not
            // WS_EX_LAYOUTRTL, which the form's own mirroring does without.
            // Wine's list box ignores WS_EX_RIGHT and draws from the left.
            DWORD rtl = control.RightToLeft() ? WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR : 0;
            hwnd = CreateWindowExA(WS_EX_CLIENTEDGE | rtl, "LISTBOX", "",
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 0, 0, 0, 0, parent, id,
                                   Instance(), nullptr);
        }
        if (!hwnd) return 0;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
        ChildState& st = Children()[hwnd];
        st.oldProc =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChildProc)));
        return S(hwnd);
    }
    void SyncChild(Form&, Control& control) override {
        HWND hwnd = H(control.ChildWindow());
        if (!hwnd) return;
        ChildState& st = Children()[hwnd];
        Rect r = control.FormRect();
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        bool visible = control.EffectivelyVisible();
        bool hadFocus = GetFocus() == hwnd;
        if (visible != (IsWindowVisible(hwnd) != FALSE)) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
        EnableWindow(hwnd, control.EffectivelyEnabled() ? TRUE : FALSE);
        // A child that is disabled or hidden with the focus leaves no window
        // with the focus, and Windows then sends the keys nowhere we route
        // them: Enter and Esc would be lost. The form takes the focus over.
        if (hadFocus && (!visible || !control.EffectivelyEnabled())) SetFocus(GetParent(hwnd));
        HFONT font = FontFor(control.GetFont());
        if (font != st.font) {
            st.font = font;
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
        if (control.GetKind() == Kind::CommandButton) {
            std::string caption = sys::ToAnsi(control.Caption());
            if (caption != st.caption) {
                st.caption = caption;
                SetWindowTextA(hwnd, caption.c_str());
            }
            if (control.Default() != st.isDefault) {
                st.isDefault = control.Default();
                SendMessageA(hwnd, BM_SETSTYLE, st.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
            }
        } else {
            if (control.Items() != st.items) {
                st.items = control.Items();
                SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
                for (const auto& item : st.items) {
                    std::string a = sys::ToAnsi(item);
                    SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(a.c_str()));
                }
            }
            if (static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)) != control.ListIndex())
                SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(control.ListIndex()), 0);
        }
    }
    void DestroyChild(Control& control) override {
        HWND hwnd = H(control.ChildWindow());
        if (!hwnd) return;
        auto it = Children().find(hwnd);
        if (it != Children().end()) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.oldProc));
            Children().erase(it);
        }
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
    void FocusChild(Form& form, Control* control) override {
        HWND hwnd = control ? H(control->ChildWindow()) : H(form.HandleIfLoaded());
        if (hwnd) SetFocus(hwnd);
    }

    void Announce(Form& form, Control& item, AccessEvent what) override { win32ui::Announce(form, item, what); }

    void SetTimer(Form& form, int id, uint32_t ms) override {
        HWND hwnd = H(form.HandleIfLoaded());
        if (!hwnd) return;
        if (ms)
            ::SetTimer(hwnd, static_cast<UINT_PTR>(id), ms, nullptr);
        else
            KillTimer(hwnd, static_cast<UINT_PTR>(id));
    }

    bool WaitAndDispatch() override {
        MSG msg;
        BOOL r = GetMessageA(&msg, nullptr, 0, 0);
        if (r == 0) {
            // Posted again, for the loop below this one.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (r == -1) return false;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }

private:
    // The extra outer size of a frame style.
    static void FrameExtra(int borderStyle, int* dx, int* dy) {
        RECT r{0, 0, 100, 100};
        AdjustWindowRect(&r, StyleOf(borderStyle), FALSE);
        *dx = (r.right - r.left) - 100;
        *dy = (r.bottom - r.top) - 100;
    }
    static void ApplyState(Form& form, HWND hwnd) {
        bool iconic = IsIconic(hwnd) != FALSE;
        if (form.WindowState() == kStateMinimized) {
            if (!iconic) ShowWindow(hwnd, SW_MINIMIZE);
        } else if (iconic || IsZoomed(hwnd)) {
            ShowWindow(hwnd, SW_RESTORE);
        }
    }
};

}  // namespace

}  // namespace win32ui

Backend& GetBackend() {
    static win32ui::Win32Backend backend;
    return backend;
}

}  // namespace ui
