// The toolkit's Win32 backend under Wine: measuring, bitmaps, windows, and
// input through the real window procedures (messages posted to the windows).
// What an API call writes is read into storage prefilled with a marker, so a
// call that wrote nothing cannot pass for one that wrote the expected value.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/TopMost.h"
#include "platform/progress.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Ui.h"
#include "platform/win32/ScopedGdi.h"
#include "platform/win32/UiWin32.h"
#include "platform/win32/Win32.h"

namespace {

HWND H(sys::Handle h) { return reinterpret_cast<HWND>(h); }

const LONG kMarker = static_cast<LONG>(0xdeadbeef);
RECT MarkedRect() { return RECT{kMarker, kMarker, kMarker, kMarker}; }

// A window's rectangle on the screen (GetWindowRect) or its client area.
RECT WindowRect(HWND hwnd) {
    RECT r = MarkedRect();
    EXPECT_TRUE(GetWindowRect(hwnd, &r));
    return r;
}
RECT ClientRect(HWND hwnd) {
    RECT r = MarkedRect();
    EXPECT_TRUE(GetClientRect(hwnd, &r));
    return r;
}

// Runs `steps` one per timer tick of a helper form while `form` is modal, so
// that every step arrives through the message loop like user input.
class Driver {
public:
    Driver() : helper_(L"frmDriver") {}
    ~Driver() { helper_.Unload(); }
    void Run(ui::Form& form, std::vector<std::function<void()>> steps) {
        steps_ = std::move(steps);
        next_ = 0;
        helper_.Load();
        ui::Control* t = helper_.Add(ui::Kind::Timer, L"drive");
        t->SetInterval(60);
        t->OnTimer = [this, &form] {
            if (next_ < steps_.size())
                steps_[next_++]();
            else if (++idle_ > 50)
                form.Unload();  // a step that should have ended the modal loop did not
        };
        t->SetEnabled(true);
        form.ShowModal();
        helper_.Unload();
    }

private:
    ui::Form helper_;
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    int idle_ = 0;
};

// ---- GDI and USER objects of the process ----
// GetGuiResources (Windows 2000 and later, so looked up at run time) answers
// 0 under Wine 8, where it is a stub. There the GDI objects that the program
// makes and frees through its own import table (the entries replaced below)
// and the windows of the process are counted instead.
namespace objects {

std::set<HANDLE>& Live() {
    static std::set<HANDLE> live;
    return live;
}
int made = 0;  // ever, while counting
template <typename T>
T Made(T h) {
    if (h) {
        Live().insert(h);
        ++made;
    }
    return h;
}

HBRUSH(WINAPI* realSolidBrush)(COLORREF);
HDC(WINAPI* realCompatibleDc)(HDC);
HBITMAP(WINAPI* realCompatibleBitmap)(HDC, int, int);
HFONT(WINAPI* realFont)(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, LPCSTR);
HPALETTE(WINAPI* realPalette)(const LOGPALETTE*);
HBITMAP(WINAPI* realLoadBitmap)(HINSTANCE, LPCSTR);
HDC(WINAPI* realGetDc)(HWND);
int(WINAPI* realReleaseDc)(HWND, HDC);
BOOL(WINAPI* realDeleteObject)(HGDIOBJ);
BOOL(WINAPI* realDeleteDc)(HDC);

HBRUSH WINAPI SolidBrush(COLORREF c) { return Made(realSolidBrush(c)); }
HDC WINAPI CompatibleDc(HDC dc) { return Made(realCompatibleDc(dc)); }
HBITMAP WINAPI CompatibleBitmap(HDC dc, int w, int h) { return Made(realCompatibleBitmap(dc, w, h)); }
HFONT WINAPI Font(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD cs, DWORD op, DWORD cp,
                  DWORD q, DWORD pf, LPCSTR face) {
    return Made(realFont(h, w, e, o, weight, i, u, s, cs, op, cp, q, pf, face));
}
HPALETTE WINAPI Palette(const LOGPALETTE* p) { return Made(realPalette(p)); }
HBITMAP WINAPI LoadBitmap(HINSTANCE i, LPCSTR n) { return Made(realLoadBitmap(i, n)); }
HDC WINAPI GetDc(HWND w) { return Made(realGetDc(w)); }
int WINAPI ReleaseDc(HWND w, HDC dc) {
    int r = realReleaseDc(w, dc);
    if (r) Live().erase(dc);
    return r;
}
BOOL WINAPI DeleteObj(HGDIOBJ h) {
    BOOL r = realDeleteObject(h);
    if (r) Live().erase(h);
    return r;
}
BOOL WINAPI DeleteDc(HDC dc) {
    BOOL r = realDeleteDc(dc);
    if (r) Live().erase(dc);
    return r;
}

// Swaps the program's import of `name` for `replacement`; `original` gets
// what was there. False when the program does not import it.
template <typename F>
bool Swap(const char* name, F replacement, F* original) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(
            base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
            DWORD old = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
            *original = reinterpret_cast<F>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<decltype(slots->u1.Function)>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

// Counting from construction to destruction.
class Counting {
public:
    Counting() {
        Put("CreateSolidBrush", SolidBrush, &realSolidBrush);
        Put("CreateCompatibleDC", CompatibleDc, &realCompatibleDc);
        Put("CreateCompatibleBitmap", CompatibleBitmap, &realCompatibleBitmap);
        Put("CreateFontA", Font, &realFont);
        Put("CreatePalette", Palette, &realPalette);
        Put("LoadBitmapA", LoadBitmap, &realLoadBitmap);
        Put("GetDC", GetDc, &realGetDc);
        Put("ReleaseDC", ReleaseDc, &realReleaseDc);
        Put("DeleteObject", DeleteObj, &realDeleteObject);
        Put("DeleteDC", DeleteDc, &realDeleteDc);
    }
    ~Counting() {
        Back("CreateSolidBrush", &realSolidBrush);
        Back("CreateCompatibleDC", &realCompatibleDc);
        Back("CreateCompatibleBitmap", &realCompatibleBitmap);
        Back("CreateFontA", &realFont);
        Back("CreatePalette", &realPalette);
        Back("LoadBitmapA", &realLoadBitmap);
        Back("GetDC", &realGetDc);
        Back("ReleaseDC", &realReleaseDc);
        Back("DeleteObject", &realDeleteObject);
        Back("DeleteDC", &realDeleteDc);
    }

private:
    template <typename F>
    static void Put(const char* name, F counted, F* real) {
        EXPECT_TRUE(Swap(name, counted, real)) << name;
    }
    template <typename F>
    static void Back(const char* name, F* real) {
        F counted = nullptr;
        if (*real) Swap(name, *real, &counted);
        *real = nullptr;
    }
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(count);
        EnumChildWindows(hwnd, CountChild, count);  // all descendants
    }
    return TRUE;
}

// {GDI, USER} objects now.
std::pair<int, int> Now() {
    using Query = DWORD(WINAPI*)(HANDLE, DWORD);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources")));
    int gdi = query ? static_cast<int>(query(GetCurrentProcess(), 0)) : 0;   // GR_GDIOBJECTS
    int user = query ? static_cast<int>(query(GetCurrentProcess(), 1)) : 0;  // GR_USEROBJECTS
    if (gdi == 0) gdi = static_cast<int>(Live().size());
    if (user == 0) EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&user));
    return {gdi, user};
}

}  // namespace objects

// The page picture over the whole 460 x 447 client area, as every wizard window has it.
ui::Control* AddPageBackground(ui::Form& f) {
    ui::Control* back = f.Add(ui::Kind::Image, L"Image1");
    back->SetStretch(true);
    back->Move(0, 0, 460, 447);
    back->SetPicture(101);
    return back;
}

class UiWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        form.OnDesign = [](ui::Form& f) {
            f.SetCaption(L"UiWin32Test");
            f.SetBorderStyle(0);
            f.Move(50, 40);
            f.SetClientSize(460, 447);
        };
    }
    void TearDown() override { form.Unload(); }
    ui::Form form{L"frmWin32Test"};
};

TEST_F(UiWin32Test, MeasuresWithTheRealFontAtTheScreenDpi) {
    ui::Backend& b = ui::GetBackend();
    ui::Font small{L"Arial", 10, false, false, 0};
    ui::Font big{L"Arial", 20, false, false, 0};
    ui::Font bold{L"Arial", 10, true, false, 0};
    float w10 = b.TextWidth(small, L"Hello world");
    float w20 = b.TextWidth(big, L"Hello world");
    EXPECT_GT(w10, 30);
    EXPECT_NEAR(w20 / w10, 2.0, 0.35);
    EXPECT_GE(b.TextWidth(bold, L"Hello world"), w10);
    EXPECT_EQ(b.TextWidth(small, L""), 0);
    // 10 points at 96 dpi: a 13-pixel em; the line is a little higher.
    float h = b.LineHeight(small);
    EXPECT_GE(h, 12);
    EXPECT_LE(h, 20);
    form.SetFont(small);
    EXPECT_EQ(form.TextWidth(L"Hi\r\nHello world\r\nHo"), w10) << "widest line";
}

TEST_F(UiWin32Test, BitmapsComeFromTheProgramsResources) {
    int w = 0, h = 0;
    ASSERT_TRUE(ui::GetBackend().PictureSize(120, &w, &h));
    EXPECT_EQ(w, 96);
    EXPECT_EQ(h, 23);
    EXPECT_FALSE(ui::GetBackend().PictureSize(999, &w, &h));
    form.Load();
    ui::Control* img = form.Add(ui::Kind::Image, L"Forward");
    EXPECT_TRUE(img->SetPicture(101));
    EXPECT_EQ(img->Width(), 460);
    EXPECT_EQ(img->Height(), 447);
}

TEST_F(UiWin32Test, WindowSizesFollowTheClientSizeWithOrWithoutAFrame) {
    form.Load();
    RECT r = WindowRect(H(form.Handle()));
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 460);
    EXPECT_EQ(r.bottom - r.top, 447);
    form.SetBorderStyle(1);
    form.SetCaption(L"Framed");
    RECT c = ClientRect(H(form.Handle()));
    EXPECT_EQ(c.left, 0);
    EXPECT_EQ(c.top, 0);
    EXPECT_EQ(c.right, 460);
    EXPECT_EQ(c.bottom, 447);
    // The frame and caption lie outside the client size.
    r = WindowRect(H(form.Handle()));
    EXPECT_GT(r.right - r.left, 460);
    EXPECT_GT(r.bottom - r.top, 447);
    // The caption's length comes back, the text ends in a NUL, and nothing
    // beyond it is written.
    char caption[64];
    std::memset(caption, '#', sizeof caption);
    EXPECT_EQ(GetWindowTextA(H(form.Handle()), caption, sizeof caption), 6);
    EXPECT_STREQ(caption, "Framed");
    EXPECT_EQ(caption[7], '#');
}

TEST_F(UiWin32Test, SetTopMostMakesTheWindowTopmost) {
    form.Show();
    TopMost::SetTopMost(form.Handle());
    LONG_PTR ex = GetWindowLongPtrA(H(form.Handle()), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    RECT r = WindowRect(H(form.Handle()));
    EXPECT_EQ(r.left, 50) << "not moved";
    EXPECT_EQ(r.right - r.left, 460) << "not sized";
}

TEST_F(UiWin32Test, WindowedChildrenSitInTheirPictureBox) {
    form.Load();
    ui::Control* pic = form.Add(ui::Kind::PictureBox, L"picPage");
    pic->Move(100, 50, 300, 300);
    ui::Control* list = form.Add(ui::Kind::ListBox, L"lstCom", pic);
    list->Move(10, 20, 200, 100);
    list->AddItem(L"COM1");
    list->AddItem(L"COM3");
    RECT r = WindowRect(H(list->ChildWindow()));
    POINT p{r.left, r.top};
    ScreenToClient(H(form.Handle()), &p);
    EXPECT_EQ(p.x, 110);
    EXPECT_EQ(p.y, 70);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(SendMessageA(H(list->ChildWindow()), LB_GETCOUNT, 0, 0), 2);
    // The entries went in as ANSI text: LB_GETTEXT answers with the length.
    char entry[16];
    std::memset(entry, '#', sizeof entry);
    EXPECT_EQ(SendMessageA(H(list->ChildWindow()), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(entry)), 4);
    EXPECT_STREQ(entry, "COM3");
    EXPECT_EQ(SendMessageA(H(list->ChildWindow()), LB_GETCURSEL, 0, 0), LB_ERR) << "nothing selected";
    pic->Move(0, 0);
    r = WindowRect(H(list->ChildWindow()));
    p = POINT{r.left, r.top};
    ScreenToClient(H(form.Handle()), &p);
    EXPECT_EQ(p.x, 10) << "moving the picture box moves its windowed children";
    pic->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(H(list->ChildWindow())));
    int32_t sx = 0, sy = 0;
    pic->ClientToScreen(5, 6, &sx, &sy);
    EXPECT_EQ(sx, 50 + 5);
    EXPECT_EQ(sy, 40 + 6);
}

TEST_F(UiWin32Test, TimersTickDuringAModalLoopOfAnotherForm) {
    ui::Form other(L"frmOther");
    other.Load();
    ui::Control* t = other.Add(ui::Kind::Timer, L"dummyTimer");
    int ticks = 0;
    t->SetInterval(30);
    t->OnTimer = [&] {
        if (++ticks == 4) form.Unload();
    };
    t->SetEnabled(true);
    form.ShowModal();  // returns once the other form's timer has unloaded it
    EXPECT_EQ(ticks, 4);
    EXPECT_FALSE(form.IsLoaded());
    other.Unload();
}

TEST_F(UiWin32Test, EnterAndEscapeReachOffScreenButtonsWhateverHasTheFocus) {
    std::vector<std::string> seen;
    HWND focusAfterDisable = reinterpret_cast<HWND>(0xdeadbeef);
    sys::Handle formWindow = 0;
    form.OnLoad = [&] {
        ui::Control* list = form.Add(ui::Kind::ListBox, L"lstCom");
        list->Move(10, 10, 100, 80);
        ui::Control* def = form.Add(ui::Kind::CommandButton, L"DefaultButton");
        def->Move(0, -10000, 81, 33);
        def->SetDefault(true);
        def->OnClick = [&] { seen.push_back("default"); };
        ui::Control* can = form.Add(ui::Kind::CommandButton, L"CancelButton");
        can->Move(-10000, 0, 81, 33);
        can->SetCancel(true);
        can->OnClick = [&] { seen.push_back("cancel"); };
        formWindow = form.Handle();
    };
    Driver d;
    d.Run(form, {
                    [&] { form.Item(L"lstCom").SetFocus(); },
                    [&] { PostMessageA(H(form.Item(L"lstCom").ChildWindow()), WM_KEYDOWN, VK_RETURN, 1); },
                    [&] { PostMessageA(H(form.Item(L"lstCom").ChildWindow()), WM_KEYDOWN, VK_ESCAPE, 1); },
                    [&] { form.Item(L"CancelButton").SetFocus(); },
                    [&] { PostMessageA(H(form.Item(L"CancelButton").ChildWindow()), WM_KEYDOWN, VK_RETURN, 1); },
                    // Space on the focused proxy would be a blind press.
                    [&] {
                        HWND b = H(form.Item(L"CancelButton").ChildWindow());
                        PostMessageA(b, WM_KEYDOWN, VK_SPACE, 1);
                        PostMessageA(b, WM_CHAR, ' ', 1);
                        PostMessageA(b, WM_KEYUP, VK_SPACE, 0xC0000001);
                    },
                    [&] { form.Item(L"DefaultButton").SetFocus(); },
                    [&] {
                        form.Item(L"DefaultButton").SetEnabled(false);
                        focusAfterDisable = GetFocus();
                    },
                    [&] { PostMessageA(H(form.Handle()), WM_KEYDOWN, VK_RETURN, 1); },
                    [&] { PostMessageA(H(form.Handle()), WM_KEYDOWN, VK_ESCAPE, 1); },
                    [&] { form.Unload(); },
                });
    EXPECT_EQ(seen, (std::vector<std::string>{"default", "cancel", "default", "cancel"}));
    // Disabling the focused button hands the focus to the form (Windows
    // would leave none, and Enter and Esc would go nowhere).
    EXPECT_EQ(focusAfterDisable, H(formWindow));
}

TEST_F(UiWin32Test, CloseReasonsReachQueryUnload) {
    std::vector<int> modes;
    bool keep = true;
    form.OnQueryUnload = [&](bool& cancel, int mode) {
        modes.push_back(mode);
        cancel = keep;
    };
    LRESULT endSession = static_cast<LRESULT>(0xdeadbeef);
    Driver d;
    d.Run(form, {
                    [&] { PostMessageA(H(form.Handle()), WM_SYSKEYDOWN, VK_F4, 1 << 29); },  // Alt+F4
                    [&] { PostMessageA(H(form.Handle()), WM_CLOSE, 0, 0); },
                    [&] { endSession = SendMessageA(H(form.Handle()), WM_QUERYENDSESSION, 0, 0); },
                    [&] { SendMessageA(H(form.Handle()), WM_ENDSESSION, TRUE, 0); },
                    [&] { keep = false; },
                    [&] { PostMessageA(H(form.Handle()), WM_SYSCOMMAND, SC_CLOSE, 0); },
                });
    EXPECT_EQ(modes, (std::vector<int>{ui::kUnloadControlMenu, ui::kUnloadTaskManager, ui::kUnloadAppWindows,
                                       ui::kUnloadControlMenu}));
    EXPECT_EQ(endSession, TRUE) << "only asked: 9x takes any other answer for a refusal";
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(UiWin32Test, HighContrastAsChosenOn256ColoursAndFillsFlatOn16) {
    EXPECT_EQ(ui::win32ui::GdiColour(nullptr, ui::kSysHighlight, true, false), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ui::win32ui::GdiColour(ui::win32ui::MeasureDc(), RGB(6, 154, 154), false, true), RGB(0, 0, 0));
}

TEST_F(UiWin32Test, MouseMessagesReachWindowlessControlsByHitTesting) {
    std::vector<std::string> seen;
    form.OnLoad = [&] {
        ui::Control* back = AddPageBackground(form);
        ui::Control* ok = form.Add(ui::Kind::Image, L"Ok");
        ok->Move(182, 340, 96, 23);
        ok->SetPicture(120);
        ok->OnClick = [&] { seen.push_back("Ok"); };
        back->OnClick = [&] { seen.push_back("Image1"); };
        ui::Control* debug = form.Add(ui::Kind::Image, L"DebugImg");
        debug->Move(0, 0, 33, 113);
        debug->OnMouseDown = [&](const ui::MouseArgs& a) {
            seen.push_back("debug " + std::to_string(a.button) + " " + std::to_string(a.shift));
        };
    };
    HWND hwnd = nullptr;
    auto post = [&](UINT msg, WPARAM w, int x, int y) { PostMessageA(hwnd, msg, w, MAKELPARAM(x, y)); };
    Driver d;
    d.Run(form, {
                    [&] { hwnd = H(form.Handle()); },
                    [&] {
                        post(WM_LBUTTONDOWN, MK_LBUTTON, 200, 350);
                        post(WM_LBUTTONUP, 0, 200, 350);
                    },
                    [&] {
                        post(WM_LBUTTONDOWN, MK_LBUTTON, 100, 200);
                        post(WM_LBUTTONUP, 0, 100, 200);
                    },
                    [&] {
                        post(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, 5, 5);
                        post(WM_RBUTTONUP, MK_SHIFT, 5, 5);
                    },
                    [&] { form.Unload(); },
                });
    EXPECT_EQ(seen, (std::vector<std::string>{"Ok", "Image1", "debug 2 1"}));
}

// A press whose release Windows sends elsewhere (WM_CANCELMODE, another
// window taking the capture) leaves no control pressed: the next click counts.
TEST_F(UiWin32Test, ALostCaptureLetsGoOfThePressedControl) {
    std::vector<std::string> seen;
    form.OnLoad = [&] {
        ui::Control* back = form.Add(ui::Kind::Image, L"Image1");
        back->Move(0, 0, 460, 447);
        back->OnClick = [&] { seen.push_back("Image1"); };
        ui::Control* ok = form.Add(ui::Kind::Image, L"Ok");
        ok->Move(182, 340, 96, 23);
        ok->OnClick = [&] { seen.push_back("Ok"); };
    };
    ui::Form other(L"frmOther");
    HWND hwnd = nullptr;
    auto post = [&](UINT msg, WPARAM w, int x, int y) { PostMessageA(hwnd, msg, w, MAKELPARAM(x, y)); };
    auto clickBack = [&] {
        post(WM_LBUTTONDOWN, MK_LBUTTON, 100, 200);
        post(WM_LBUTTONUP, 0, 100, 200);
    };
    Driver d;
    d.Run(form, {
                    [&] { hwnd = H(form.Handle()); },
                    [&] { post(WM_LBUTTONDOWN, MK_LBUTTON, 200, 350); },
                    [&] { SendMessageA(hwnd, WM_CANCELMODE, 0, 0); },
                    clickBack,
                    [&] { post(WM_LBUTTONDOWN, MK_LBUTTON, 200, 350); },
                    [&] {
                        other.Load();
                        SetCapture(H(other.Handle()));
                    },
                    [&] {
                        ReleaseCapture();
                        other.Unload();
                    },
                    clickBack,
                    [&] { form.Unload(); },
                });
    EXPECT_EQ(seen, (std::vector<std::string>{"Image1", "Image1"}));
}

// A repaint buffers only the area it paints (a hover: one button, not the
// screen), and without a buffer it paints straight into the window.
TEST_F(UiWin32Test, APaintBuffersItsAreaOrGoesWithoutABuffer) {
    ui::Control* ok = nullptr;
    form.OnLoad = [&] {
        form.SetBackColor(ui::Rgb(0, 0, 0));
        ok = form.Add(ui::Kind::Image, L"Ok");
        ok->Move(100, 100, 96, 23);
        ok->SetPicture(120);
    };
    ui::win32ui::PaintStats full, hover, direct;
    COLORREF lit = 0xdeadbeef, plain = 0xdeadbeef;
    auto pixel = [&] {
        win32::ScopedGetDC dc(H(form.Handle()));
        return GetPixel(dc.Get(), 150, 111);  // the middle of the face
    };
    Driver d;
    d.Run(form, {
                    [&] { form.Refresh(); },
                    [&] {
                        full = ui::win32ui::LastPaint();
                        ok->SetPicture(121);
                        UpdateWindow(H(form.Handle()));
                        hover = ui::win32ui::LastPaint();
                        lit = pixel();
                        ui::win32ui::Hooks().denyPaintBuffer = true;
                        ok->SetPicture(120);
                        UpdateWindow(H(form.Handle()));
                        direct = ui::win32ui::LastPaint();
                        ui::win32ui::Hooks().denyPaintBuffer = false;
                        plain = pixel();
                    },
                    [&] { form.Unload(); },
                });
    EXPECT_EQ(full.width, 460);
    EXPECT_EQ(full.height, 447);
    EXPECT_EQ(hover.width, 96);
    EXPECT_EQ(hover.height, 23);
    EXPECT_EQ(direct.width, 0) << "no buffer";
    EXPECT_EQ(lit, RGB(165, 205, 255));
    EXPECT_EQ(plain, RGB(80, 125, 200)) << "painted without a buffer all the same";
}

// The bar's width in single precision on the shipped CPU path (the x87 of
// the i686 build): 4.05 per percent at 407 pixels.
TEST_F(UiWin32Test, TheProgressWidthIsWorkedOutInSinglePrecision) {
    form.Load();
    ui::Control* bar = form.Add(ui::Kind::PictureBox, L"Progressbar");
    bar->SetBorderStyle(1);
    bar->Move(30, 328, 409, 25);
    ASSERT_EQ(bar->ScaleWidth(), 407);
    for (auto [percent, width] : {std::pair<int16_t, float>{50, 203}, {90, 365}, {100, 405}}) {
        int16_t value = percent;
        progress::ShowProgress(*bar, value, 0, 100);
        ASSERT_FALSE(bar->DrawOps().empty());
        EXPECT_EQ(bar->DrawOps()[0].x2, width + 1) << percent << " %";
    }
}

// Hover repaints, page changes and message dialogs, as the wizard makes
// them, leave no GDI or USER object behind (a first round fills the caches
// of fonts and pictures).
TEST_F(UiWin32Test, GdiAndUserObjectsDoNotGrow) {
    objects::Counting counting;
    ui::Form message(L"frmMessage");
    ui::Control* forward = nullptr;
    form.OnLoad = [&] {
        AddPageBackground(form);
        ui::Control* text = form.Add(ui::Kind::Label, L"Label");
        text->Move(30, 112, 409, 100);
        text->SetWordWrap(true);
        ui::Control* version = form.Add(ui::Kind::Label, L"Version");
        version->SetAutoSize(true);
        version->SetCaption(L"Ver.: 4.1.1.07");
        version->SetLeft(460 - version->Width());
        forward = form.Add(ui::Kind::Image, L"Forward");
        forward->Move(232, 340, 96, 23);
        forward->SetPicture(120);
        ui::Control* caption = form.Add(ui::Kind::Label, L"lblForward");
        caption->Move(232, 345, 96, 18);
        caption->SetAlignment(ui::kAlignCenter);
        caption->SetCaption(L"&Next");
        ui::Control* proxy = form.Add(ui::Kind::CommandButton, L"ForwardButton");
        proxy->Move(-10000, 0, 81, 33);
        proxy->SetDefault(true);
    };
    message.OnDesign = [](ui::Form& f) {
        f.SetBorderStyle(0);
        f.Move(60, 50);
        f.SetClientSize(460, 447);
    };
    message.OnLoad = [&] {
        AddPageBackground(message);
        message.Add(ui::Kind::Label, L"Label")->SetCaption(L"A message\r\nin two lines");
        ui::Control* ok = message.Add(ui::Kind::Image, L"Ok");
        ok->Move(182, 340, 96, 23);
        ok->SetPicture(120);
        ok->OnClick = [&] { message.Unload(); };
        ui::Control* hover = message.Add(ui::Kind::Timer, L"Timer");
        hover->SetInterval(50);
        hover->SetEnabled(true);
        message.Add(ui::Kind::CommandButton, L"DefaultButton")->Move(0, -10000, 81, 33);
    };
    auto hovers = [&](int n) {
        for (int i = 0; i < n; ++i) {
            forward->SetPicture(121);
            UpdateWindow(H(form.Handle()));
            forward->SetPicture(120);
            UpdateWindow(H(form.Handle()));
        }
    };
    // A choice page: option pictures, their captions and a port list, all
    // made for the page and removed again.
    auto page = [&](int i) {
        form.Item(L"Label").SetCaption(L"Page " + std::to_wstring(i) + L": how is the phone connected?");
        std::vector<std::wstring> names;
        for (int k = 0; k < 2; ++k) {
            std::wstring opt = L"opt" + std::to_wstring(k), lbl = L"lbl" + std::to_wstring(k);
            form.Add(ui::Kind::Image, opt.c_str())->Move(30, 150 + 30 * k, 14, 14);
            form.Item(opt.c_str()).SetPicture(k ? 121 : 120);
            ui::Control* l = form.Add(ui::Kind::Label, lbl.c_str());
            l->Move(50, 150 + 30 * k, 200, 20);
            l->SetCaption(L"Choice " + std::to_wstring(k));
            names.push_back(opt);
            names.push_back(lbl);
        }
        ui::Control* list = form.Add(ui::Kind::ListBox, L"lstCom");
        list->Move(30, 220, 200, 80);
        list->AddItem(L"COM1");
        list->AddItem(L"COM3");
        names.push_back(L"lstCom");
        UpdateWindow(H(form.Handle()));
        for (const auto& n : names) form.Remove(n.c_str());
        UpdateWindow(H(form.Handle()));
    };
    auto dialog = [&] {
        message.ShowModal();  // the next step clicks its OK
    };
    auto clickOk = [&] {
        HWND m = H(message.Handle());
        PostMessageA(m, WM_MOUSEMOVE, 0, MAKELPARAM(200, 350));
        PostMessageA(m, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 350));
        PostMessageA(m, WM_LBUTTONUP, 0, MAKELPARAM(200, 350));
    };
    std::pair<int, int> before, after;
    std::vector<std::function<void()>> steps;
    auto round = [&](int hoverCount, int pages, int dialogs) {
        steps.push_back([&, hoverCount] { hovers(hoverCount); });
        for (int i = 0; i < pages; ++i) steps.push_back([&, i] { page(i); });
        for (int i = 0; i < dialogs; ++i) {
            steps.push_back(dialog);
            steps.push_back(clickOk);
        }
    };
    round(2, 1, 1);  // the caches
    steps.push_back([&] { before = objects::Now(); });
    round(50, 10, 10);
    steps.push_back([&] { after = objects::Now(); });
    steps.push_back([&] { form.Unload(); });
    Driver d;
    d.Run(form, steps);
    EXPECT_FALSE(message.IsLoaded()) << "every dialog was answered";
    EXPECT_GT(objects::made, 100) << "the paints went through the counted calls";
    EXPECT_GT(before.second, 2) << "the forms' windows";
    EXPECT_EQ(after.first, before.first) << "GDI objects";
    EXPECT_EQ(after.second, before.second) << "USER objects";
}

TEST_F(UiWin32Test, PaintsTheBitmapAndTheFormColourWithoutGaps) {
    form.OnLoad = [&] {
        form.SetBackColor(ui::Rgb(0, 0, 0));
        ui::Control* ok = form.Add(ui::Kind::Image, L"Ok");
        ok->Move(100, 100, 96, 23);
        ok->SetPicture(120);
    };
    // GetPixel answers CLR_INVALID outside the DC's clipping region.
    COLORREF inside = 0xdeadbeef, outside = 0xdeadbeef;
    Driver d;
    d.Run(form, {
                    [&] { form.Refresh(); },
                    [&] {
                        win32::ScopedGetDC dc(H(form.Handle()));
                        inside = GetPixel(dc.Get(), 0 + 100, 100);  // the button's dark frame
                        outside = GetPixel(dc.Get(), 300, 300);
                    },
                    [&] { form.Unload(); },
                });
    EXPECT_EQ(outside, RGB(0, 0, 0));
    EXPECT_EQ(inside, RGB(40, 70, 120));
}

}  // namespace
