// Win32 side of the window toolkit: one window class for the forms, BUTTON and
// LISTBOX children, GDI painting into a memory bitmap, ANSI text calls.
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "platform/sys/Ui.h"
#include "platform/ui/Backend.h"
#include "platform/win32/SmallMap.h"
#include "platform/win32/Win32.h"

namespace ui {

namespace {

const char kFormClass[] = "WizardForm";

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
HWND H(sys::Handle h) { return reinterpret_cast<HWND>(h); }
sys::Handle S(HWND h) { return reinterpret_cast<sys::Handle>(h); }

int Dpi() {
    static int dpi = 0;
    if (!dpi) {
        HDC dc = GetDC(nullptr);
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        if (dpi <= 0) dpi = 96;
    }
    return dpi;
}

// Fonts, by their attributes, created once.
HFONT FontFor(const Font& f) {
    static SmallMap<std::tuple<std::wstring, float, bool, bool, int16_t>, HFONT> cache;
    auto key = std::make_tuple(f.name, f.size, f.bold, f.italic, f.charset);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    int height = -static_cast<int>(std::floor(f.size * static_cast<float>(Dpi()) / 72.0f + 0.5f));
    if (height == 0) height = -1;
    std::string face = sys::ToAnsi(f.name);
    HFONT font = CreateFontA(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic ? TRUE : FALSE, FALSE, FALSE,
                             static_cast<BYTE>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    cache[key] = font;
    return font;
}

// A memory DC for measuring.
HDC MeasureDc() {
    static HDC dc = nullptr;
    if (!dc) dc = CreateCompatibleDC(nullptr);
    return dc;
}

HBITMAP BitmapFor(int id) {
    static SmallMap<int, HBITMAP> cache;
    auto it = cache.find(id);
    if (it != cache.end()) return it->second;
    HBITMAP b = LoadBitmapA(Instance(), MAKEINTRESOURCEA(id));
    cache[id] = b;  // a missing bitmap is remembered as missing
    return b;
}

HCURSOR CursorFor(int pointer, int resourceId) {
    static SmallMap<int, HCURSOR> resources;
    switch (pointer) {
        case kPointerHourglass: return LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));  // IDC_WAIT
        case kPointerCustom: {
            auto it = resources.find(resourceId);
            if (it == resources.end())
                it = resources.emplace(resourceId, LoadCursorA(Instance(), MAKEINTRESOURCEA(resourceId))).first;
            if (it->second) return it->second;
            break;
        }
        default: break;
    }
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
}

DWORD StyleOf(int borderStyle) {
    return (borderStyle ? (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) : WS_POPUP) | WS_CLIPCHILDREN;
}

Form* FormOf(HWND hwnd) { return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

int ShiftState() {
    int s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= kShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) s |= kCtrlMask;
    if (GetKeyState(VK_MENU) < 0) s |= kAltMask;
    return s;
}

// What a window of ours remembers beyond the model.
struct WindowState {
    bool blocked = false;
    std::string caption;
    DWORD style = 0;
};
SmallMap<HWND, WindowState>& Windows() {
    static SmallMap<HWND, WindowState> w;
    return w;
}

struct ChildState {
    WNDPROC oldProc = nullptr;
    std::vector<std::wstring> items;
    std::string caption;
    HFONT font = nullptr;
    bool isDefault = false;
};
SmallMap<HWND, ChildState>& Children() {
    static SmallMap<HWND, ChildState> c;
    return c;
}

// Handlers never throw across the window procedure.
template <class F>
void Guarded(F&& f) {
#if __cpp_exceptions
    try {
        f();
    } catch (...) {
    }
#else
    f();  // the shipped build has no exceptions: nothing can throw
#endif
}

class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {
        SetBkMode(dc_, TRANSPARENT);
        bitmapDc_ = CreateCompatibleDC(dc_);
    }
    ~GdiCanvas() override { DeleteDC(bitmapDc_); }

    void FillRect(const Rect& r, Color c) override {
        RECT rc{r.left, r.top, r.right, r.bottom};
        HBRUSH b = CreateSolidBrush(c);
        ::FillRect(dc_, &rc, b);
        DeleteObject(b);
    }
    void FrameRect(const Rect& r, Color c) override {
        RECT rc{r.left, r.top, r.right, r.bottom};
        HBRUSH b = CreateSolidBrush(c);
        ::FrameRect(dc_, &rc, b);
        DeleteObject(b);
    }
    void DrawPicture(int id, const Rect& dest, bool stretch) override {
        HBITMAP bmp = BitmapFor(id);
        if (!bmp) return;
        BITMAP info{};
        GetObjectA(bmp, sizeof(info), &info);
        HGDIOBJ old = SelectObject(bitmapDc_, bmp);
        if (stretch) {
            SetStretchBltMode(dc_, COLORONCOLOR);
            StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), bitmapDc_, 0, 0, info.bmWidth,
                       info.bmHeight, SRCCOPY);
        } else {
            BitBlt(dc_, dest.left, dest.top, std::min<int>(dest.Width(), info.bmWidth),
                   std::min<int>(dest.Height(), info.bmHeight), bitmapDc_, 0, 0, SRCCOPY);
        }
        SelectObject(bitmapDc_, old);
    }
    void DrawText(const Font& font, Color color, int x, int y, const std::wstring& line, bool mnemonic) override {
        std::string text = sys::ToAnsi(line);
        HGDIOBJ old = SelectObject(dc_, FontFor(font));
        SetTextColor(dc_, color);
        if (mnemonic) {
            RECT rc{x, y, x + 32000, y + 32000};
            DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rc,
                      DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        } else {
            TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
        }
        SelectObject(dc_, old);
    }
    void PushClip(const Rect& r) override {
        SaveDC(dc_);
        IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom);
    }
    void PopClip() override { RestoreDC(dc_, -1); }

private:
    HDC dc_;
    HDC bitmapDc_;
};

void PaintForm(HWND hwnd, Form& form) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    int w = client.right, h = client.bottom;
    if (w > 0 && h > 0) {
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ old = SelectObject(mem, bmp);
        IntersectClipRect(mem, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
        {
            GdiCanvas canvas(mem);
            Guarded([&] { form.Paint(canvas); });
        }
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, mem, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
    }
    EndPaint(hwnd, &ps);
}

void SetCursorAt(HWND hwnd, Form& form) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    int pointer = 0, icon = 0;
    form.CursorAt(p.x, p.y, &pointer, &icon);
    SetCursor(CursorFor(pointer, icon));
}

// Tab and Shift+Tab move the focus among the form's windowed controls by TabIndex.
void MoveFocus(Form& form, bool back) {
    std::vector<Control*> order;
    for (Control* c : form.Controls())
        if (c->IsWindowed() && c->EffectivelyVisible() && c->EffectivelyEnabled()) order.push_back(c);
    if (order.empty()) return;
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    size_t i = 0;
    for (; i < order.size(); ++i)
        if (order[i] == form.Focused()) break;
    size_t next = i == order.size() ? 0 : (back ? (i + order.size() - 1) : (i + 1)) % order.size();
    order[next]->SetFocus();
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
    if (wParam == VK_TAB) {
        Guarded([&] { MoveFocus(*form, GetKeyState(VK_SHIFT) < 0); });
        return true;
    }
    if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        bool used = false;
        Guarded([&] { used = form->DispatchKey(static_cast<int>(wParam), ShiftState()); });
        return used;
    }
    return false;
}

bool SwallowChar(WPARAM ch) { return ch == '\r' || ch == 0x1B || ch == '\t'; }

// The wizard's command buttons are off-screen proxies for Enter and Esc. The
// focus rests on one of them, and Space would press it (BN_CLICKED on key
// up): a blind Cancel. Only Enter and Esc press them.
bool SwallowSpace(HWND hwnd, UINT msg, WPARAM wParam) {
    if (wParam != VK_SPACE || (msg != WM_KEYDOWN && msg != WM_KEYUP && msg != WM_CHAR)) return false;
    Control* c = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return c && c->GetKind() == Kind::CommandButton;
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
            Control* c = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
            Form* form = FormOf(top);
            if (form && c) Guarded([&] { form->DispatchFocus(c->ChildId()); });
            break;
        }
        case WM_SETCURSOR: {
            Form* form = FormOf(top);
            Control* c = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
            if (form && form->MousePointer() == kPointerHourglass) {
                SetCursor(CursorFor(kPointerHourglass, 0));
                return TRUE;
            }
            if (form && c && c->IsAlive() && c->MousePointer() != kPointerDefault) {
                SetCursor(CursorFor(c->MousePointer(), c->MouseIcon() ? c->MouseIcon() : form->MouseIcon()));
                return TRUE;
            }
            break;
        }
        default: break;
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
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
        SetCapture(hwnd);
    } else if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        ReleaseCapture();
    }
    Guarded([&] { form.DispatchMouse(ev, button, shift, x, y); });
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Form* form = FormOf(hwnd);
    if (!form || form->HandleIfLoaded() != S(hwnd)) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: PaintForm(hwnd, *form); return 0;
        case WM_MOUSEMOVE: Mouse(hwnd, *form, Form::MouseEvent::Move, 0, wParam, lParam); return 0;
        case WM_LBUTTONDOWN: Mouse(hwnd, *form, Form::MouseEvent::Down, kLeftButton, wParam, lParam); return 0;
        case WM_RBUTTONDOWN: Mouse(hwnd, *form, Form::MouseEvent::Down, kRightButton, wParam, lParam); return 0;
        case WM_MBUTTONDOWN: Mouse(hwnd, *form, Form::MouseEvent::Down, kMiddleButton, wParam, lParam); return 0;
        case WM_LBUTTONUP: Mouse(hwnd, *form, Form::MouseEvent::Up, kLeftButton, wParam, lParam); return 0;
        case WM_RBUTTONUP: Mouse(hwnd, *form, Form::MouseEvent::Up, kRightButton, wParam, lParam); return 0;
        case WM_MBUTTONUP: Mouse(hwnd, *form, Form::MouseEvent::Up, kMiddleButton, wParam, lParam); return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd) {
                Guarded([&] { SetCursorAt(hwnd, *form); });
                return TRUE;
            }
            break;
        case WM_TIMER: Guarded([&] { form->DispatchTimer(static_cast<int>(wParam)); }); return 0;
        case WM_COMMAND: {
            int id = LOWORD(wParam), code = HIWORD(wParam);
            HWND child = reinterpret_cast<HWND>(lParam);
            Control* c = form->ByChildId(id);
            if (!c) break;
            if (c->GetKind() == Kind::CommandButton && code == BN_CLICKED)
                Guarded([&] { form->DispatchCommand(id); });
            else if (c->GetKind() == Kind::ListBox && code == LBN_SELCHANGE) {
                int idx = static_cast<int>(SendMessageA(child, LB_GETCURSEL, 0, 0));
                Guarded([&] { form->DispatchListSelect(id, idx); });
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
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                Guarded([&] { form->DispatchClose(kUnloadControlMenu); });
                return 0;
            }
            break;
        case WM_CLOSE: Guarded([&] { form->DispatchClose(kUnloadTaskManager); }); return 0;
        case WM_QUERYENDSESSION: {
            bool closed = true;
            Guarded([&] { closed = form->DispatchClose(kUnloadAppWindows); });
            return closed ? TRUE : FALSE;
        }
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
            if (LOWORD(wParam) != WA_INACTIVE) {
                Control* f = form->Focused();
                if (f && f->IsAlive() && f->ChildWindow() && f->EffectivelyEnabled() && f->EffectivelyVisible())
                    SetFocus(H(f->ChildWindow()));
                else
                    SetFocus(hwnd);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
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

class Win32Backend : public Backend {
public:
    float TextWidth(const Font& font, const std::wstring& line) override {
        std::string text = sys::ToAnsi(line);
        HDC dc = MeasureDc();
        HGDIOBJ old = SelectObject(dc, FontFor(font));
        SIZE size{0, 0};
        if (!text.empty()) GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        return static_cast<float>(size.cx);
    }
    float LineHeight(const Font& font) override {
        HDC dc = MeasureDc();
        HGDIOBJ old = SelectObject(dc, FontFor(font));
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        return static_cast<float>(tm.tmHeight);
    }
    bool PictureSize(int id, int* w, int* h) override {
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
    void FrameExtra(int borderStyle, int* dx, int* dy) override {
        RECT r{0, 0, 100, 100};
        AdjustWindowRect(&r, StyleOf(borderStyle), FALSE);
        *dx = (r.right - r.left) - 100;
        *dy = (r.bottom - r.top) - 100;
    }

    sys::Handle CreateForm(Form& form) override {
        RegisterFormClass();
        std::string caption = sys::ToAnsi(form.Caption());
        DWORD style = StyleOf(form.BorderStyle());
        HWND hwnd =
            CreateWindowExA(0, kFormClass, caption.c_str(), style, 0, 0, 100, 100, nullptr, nullptr, Instance(), &form);
        if (hwnd) {
            WindowState& w = Windows()[hwnd];
            w.caption = caption;
            w.style = style;
        }
        return S(hwnd);
    }
    void DestroyForm(Form&, sys::Handle window) override {
        HWND hwnd = H(window);
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
            auto r = [](float v) { return static_cast<int>(std::floor(v + 0.5f)); };
            SetWindowPos(hwnd, nullptr, r(form.Left()), r(form.Top()), r(form.ScaleWidth()) + dx,
                         r(form.ScaleHeight()) + dy, SWP_NOZORDER | SWP_NOACTIVATE | frame);
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
        if (form.WindowState() == kStateMinimized)
            ShowWindow(hwnd, SW_SHOWMINIMIZED);
        else if (form.WindowState() == kStateMaximized)
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        else
            ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
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
            hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
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
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (r == -1) return false;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }
    void DoEvents() override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

private:
    void ApplyState(Form& form, HWND hwnd) {
        bool iconic = IsIconic(hwnd) != FALSE, zoomed = IsZoomed(hwnd) != FALSE;
        switch (form.WindowState()) {
            case kStateMinimized:
                if (!iconic) ShowWindow(hwnd, SW_MINIMIZE);
                break;
            case kStateMaximized:
                if (!zoomed) ShowWindow(hwnd, SW_MAXIMIZE);
                break;
            default:
                if (iconic || zoomed) ShowWindow(hwnd, SW_RESTORE);
                break;
        }
    }
};

}  // namespace

Backend& GetBackend() {
    static Win32Backend backend;
    return backend;
}

}  // namespace ui

namespace sys {

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
