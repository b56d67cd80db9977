#include "FakeUi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "Fakes.h"
#include "platform/sys/Ui.h"
#include "platform/ui/Backend.h"

namespace fake {

std::wstring RectText(const ui::Rect& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}

namespace {

// While the old world goes away, the forms are unloaded without touching it.
bool gSuspended = false;

std::wstring Hex(ui::Color c) {
    if (ui::IsSystemColor(c)) return L"sys" + std::to_wstring(c & 0xFF);
    wchar_t buf[16];
    std::swprintf(buf, 16, L"#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

std::wstring Num(float v) {
    wchar_t buf[32];
    std::swprintf(buf, 32, L"%g", static_cast<double>(v));
    return buf;
}

class RecordingCanvas : public ui::Canvas {
public:
    std::vector<std::wstring> log;
    int extent = 0;  // the largest coordinate passed, either sign
    void FillRect(const ui::Rect& r, ui::Color c) override {
        Saw(r);
        log.push_back(L"fill " + RectText(r) + L" " + Hex(c));
    }
    void FrameRect(const ui::Rect& r, ui::Color c) override {
        Saw(r);
        log.push_back(L"frame " + RectText(r) + L" " + Hex(c));
    }
    void DrawPicture(int id, const ui::Rect& dest, bool stretch) override {
        Saw(dest);
        log.push_back(L"picture " + std::to_wstring(id) + L" " + RectText(dest) + (stretch ? L" stretch" : L" plain"));
    }
    void DrawText(const ui::Font& f, ui::Color c, const ui::Rect& box, const std::wstring& line, bool, bool rightToLeft,
                  int) override {
        Saw(box);
        log.push_back(L"text " + std::to_wstring(box.left) + L"," + std::to_wstring(box.top) + L" " + Hex(c) + L" \"" +
                      line + L"\" " + f.name + L" " + Num(f.size) + (rightToLeft ? L" rtl" : L""));
    }
    void PushClip(const ui::Rect& r) override {
        Saw(r);
        log.push_back(L"clip " + RectText(r));
    }
    void PopClip() override { log.push_back(L"unclip"); }
    void FocusMark(const ui::Rect& r) override {
        Saw(r);
        log.push_back(L"focus " + RectText(r));
    }
    void SystemButton(const ui::Rect& r, Button kind, bool checked, bool disabled) override {
        Saw(r);
        log.push_back(std::wstring(kind == Button::Radio ? L"radio " : L"button ") + RectText(r) +
                      (checked ? L" checked" : L"") + (disabled ? L" disabled" : L""));
    }

private:
    void Saw(const ui::Rect& r) {
        for (int v : {r.left, r.top, r.right, r.bottom}) extent = std::max(extent, std::abs(v));
    }
};

class FakeBackend : public ui::Backend {
public:
    float TextWidth(const ui::Font& font, const std::wstring& line) override {
        return static_cast<float>(line.size()) * font.size;
    }
    float LineHeight(const ui::Font& font) override { return 2 * font.size; }
    bool PictureSize(int id, int* w, int* h) override {
        if (gSuspended) return false;
        auto it = Ui().bitmaps.find(id);
        if (it == Ui().bitmaps.end()) return false;
        *w = it->second.first;
        *h = it->second.second;
        return true;
    }
    int ScreenWidth() override { return gSuspended ? 0 : Ui().screenWidth; }
    int ScreenHeight() override { return gSuspended ? 0 : Ui().screenHeight; }

    sys::Handle CreateForm(ui::Form& form) override {
        if (gSuspended) return 0;
        sys::Handle h = Ui().nextHandle++;
        Ui().windows[h].form = &form;
        return h;
    }
    void DestroyForm(ui::Form&, sys::Handle window) override {
        if (gSuspended) return;
        auto it = Ui().windows.find(window);
        if (it == Ui().windows.end()) return;
        it->second.destroyed = true;
        it->second.visible = false;
        for (auto t = Ui().timers.begin(); t != Ui().timers.end();)
            t = (t->first.first == window) ? Ui().timers.erase(t) : std::next(t);
        if (Ui().focusWindow == window) Ui().focusWindow = 0;
    }
    void SyncForm(ui::Form& form) override { Count(form, &UiWindow::syncs); }
    void ShowForm(ui::Form& form, bool show) override {
        if (UiWindow* w = Win(form)) w->visible = show;
        if (show) Ui().focusWindow = form.HandleIfLoaded();
    }
    void BlockForm(ui::Form& form, bool blocked) override {
        if (UiWindow* w = Win(form)) w->blocked = blocked;
    }
    // What is painted is read from the model (PaintLog), not from the window.
    void Invalidate(ui::Form& form, const ui::Rect&) override { Count(form, &UiWindow::repaints); }
    void Update(ui::Form&) override {}
    void PointerChanged(ui::Form& form) override { Count(form, &UiWindow::pointerChanges); }

    sys::Handle CreateChild(ui::Form& form, ui::Control& control) override {
        if (gSuspended) return 0;
        sys::Handle h = Ui().nextHandle++;
        UiChild& c = Ui().children[h];
        c.control = &control;
        c.parent = form.HandleIfLoaded();
        return h;
    }
    void SyncChild(ui::Form&, ui::Control& control) override {
        if (gSuspended) return;
        auto it = Ui().children.find(control.ChildWindow());
        if (it == Ui().children.end()) return;
        UiChild& c = it->second;
        c.rect = control.FormRect();
        c.visible = control.EffectivelyVisible();
        c.enabled = control.EffectivelyEnabled();
        c.isDefault = control.Default();
        c.caption = control.Caption();
        c.items = control.Items();
        c.selected = control.ListIndex();
    }
    void DestroyChild(ui::Control& control) override {
        if (gSuspended) return;
        if (Ui().focusWindow == control.ChildWindow()) Ui().focusWindow = 0;
        Ui().children.erase(control.ChildWindow());
    }
    void FocusChild(ui::Form& form, ui::Control* control) override {
        if (gSuspended) return;
        Ui().focusWindow = control ? control->ChildWindow() : form.HandleIfLoaded();
        form.DispatchFocus(control ? control->ChildId() : 0);
    }
    void Announce(ui::Form&, ui::Control&, ui::AccessEvent) override {}
    void SetTimer(ui::Form& form, int id, uint32_t ms) override {
        if (gSuspended) return;
        auto key = std::make_pair(form.HandleIfLoaded(), id);
        if (ms)
            Ui().timers[key] = ms;
        else
            Ui().timers.erase(key);
    }
    bool WaitAndDispatch() override {
        if (gSuspended) return false;
        if (Ui().script.empty()) return false;
        auto action = std::move(Ui().script.front());
        Ui().script.pop_front();
        action();
        return true;
    }

private:
    void Count(ui::Form& form, int UiWindow::*calls) {
        if (UiWindow* w = Win(form)) ++(w->*calls);
    }
    UiWindow* Win(ui::Form& form) {
        if (gSuspended) return nullptr;
        auto it = Ui().windows.find(form.HandleIfLoaded());
        return it == Ui().windows.end() ? nullptr : &it->second;
    }
};

ui::Form* FormOf(sys::Handle window) {
    auto it = Ui().windows.find(window);
    if (it == Ui().windows.end() || it->second.destroyed) return nullptr;
    return it->second.form;
}

void CentreOf(const ui::Control& c, int* x, int* y) {
    ui::Rect r = c.FormRect();
    *x = r.left + r.Width() / 2;
    *y = r.top + r.Height() / 2;
}

int ButtonsHeld = 0;

}  // namespace

UiWorld::~UiWorld() {
    gSuspended = true;
    ui::Form::ResetAll();
    ui::Form::FreeRemovedControls();
    gSuspended = false;
}

UiWorld& Ui() { return W().ui; }

void MouseMoveTo(ui::Form& form, float x, float y, int shift) {
    int32_t sx = 0, sy = 0;
    form.ClientToScreen(x, y, &sx, &sy);
    Ui().cursorX = sx;
    Ui().cursorY = sy;
    form.DispatchMouse(ui::Form::MouseEvent::Move, ButtonsHeld, shift, static_cast<int>(std::floor(x)),
                       static_cast<int>(std::floor(y)));
}

void MouseMoveOver(ui::Control& control, int shift) {
    if (!control.Owner()) return;
    int x = 0, y = 0;
    CentreOf(control, &x, &y);
    MouseMoveTo(*control.Owner(), static_cast<float>(x), static_cast<float>(y), shift);
}

void MouseDown(ui::Control& control, int button, int shift) {
    if (!control.Owner()) return;
    int x = 0, y = 0;
    CentreOf(control, &x, &y);
    MouseMoveTo(*control.Owner(), static_cast<float>(x), static_cast<float>(y), shift);
    ButtonsHeld |= button;
    control.Owner()->DispatchMouse(ui::Form::MouseEvent::Down, button, shift, x, y);
}

void MouseUp(ui::Control& control, int button, int shift) {
    if (!control.Owner()) return;
    int x = 0, y = 0;
    CentreOf(control, &x, &y);
    ButtonsHeld &= ~button;
    control.Owner()->DispatchMouse(ui::Form::MouseEvent::Up, button, shift, x, y);
}

void Click(ui::Control& control, int button, int shift) {
    ui::Form* form = control.Owner();
    if (!form || !control.IsAlive()) return;
    if (control.GetKind() == ui::Kind::CommandButton) {
        form->DispatchCommand(control.ChildId());
        return;
    }
    MouseDown(control, button, shift);
    MouseUp(control, button, shift);
}

void Key(ui::Form& form, int key, int shift) { form.DispatchKey(key, shift); }

void SelectListEntry(ui::Control& list, int index) {
    if (!list.Owner()) return;
    auto it = Ui().children.find(list.ChildWindow());
    if (it != Ui().children.end()) it->second.selected = index;
    list.Owner()->DispatchListSelect(list.ChildId(), index);
}

bool TimerRunning(const ui::Control& timer) { return TimerInterval(timer) != 0; }

uint32_t TimerInterval(const ui::Control& timer) {
    if (!timer.Owner() || !timer.IsAlive()) return 0;
    auto it = Ui().timers.find(std::make_pair(timer.Owner()->HandleIfLoaded(), timer.ChildId()));
    return it == Ui().timers.end() ? 0 : it->second;
}

bool Tick(ui::Control& timer) {
    if (!TimerRunning(timer)) return false;
    timer.Owner()->DispatchTimer(timer.ChildId());
    return true;
}

bool CloseByUser(ui::Form& form, int mode) { return form.DispatchClose(mode); }

void Script(std::function<void()> action) { Ui().script.push_back(std::move(action)); }

std::vector<std::wstring> PaintLog(const ui::Form& form) {
    RecordingCanvas canvas;
    form.Paint(canvas);
    return canvas.log;
}

int PaintExtent(const ui::Form& form) {
    RecordingCanvas canvas;
    form.Paint(canvas);
    return canvas.extent;
}

bool WindowVisible(const ui::Form& form) {
    auto it = Ui().windows.find(form.HandleIfLoaded());
    return it != Ui().windows.end() && it->second.visible && !it->second.destroyed;
}

bool WindowTopMost(sys::Handle window) {
    bool top = false;
    for (const auto& c : Ui().setWindowPos)
        if (c.window == window) {
            if (c.insertAfter == sys::kHwndTopMost) top = true;
            if (c.insertAfter == sys::kHwndNoTopMost) top = false;
        }
    return top;
}

const UiChild* ChildOf(const ui::Control& control) {
    auto it = Ui().children.find(control.ChildWindow());
    return it == Ui().children.end() ? nullptr : &it->second;
}

}  // namespace fake

namespace ui {

Backend& GetBackend() {
    static fake::FakeBackend backend;
    return backend;
}

}  // namespace ui

namespace sys {

Handle FindWindow(const std::wstring& className, const std::wstring& title) {
    fake::Ui().findWindowCalls.emplace_back(className, title);
    if (fake::Fail("FindWindow")) return 0;
    auto it = fake::Ui().findable.find(className + L"\n" + title);
    return it == fake::Ui().findable.end() ? 0 : it->second;
}

bool SetWindowPos(Handle window, Handle insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  uint32_t flags) {
    fake::SetWindowPosCall c;
    c.window = window;
    c.insertAfter = insertAfter;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    c.flags = flags;
    if (fake::Fail("SetWindowPos")) return false;
    fake::Ui().setWindowPos.push_back(c);
    return window != 0;
}

bool GetCursorPos(int32_t* x, int32_t* y) {
    if (fake::Fail("GetCursorPos")) return false;
    *x = fake::Ui().cursorX;
    *y = fake::Ui().cursorY;
    return true;
}

bool ClientToScreen(Handle window, int32_t* x, int32_t* y) {
    if (fake::Fail("ClientToScreen")) return false;
    ui::Form* form = fake::FormOf(window);
    if (!form) return false;
    int dx = form->BorderStyle() ? 3 : 0, dy = form->BorderStyle() ? 22 : 0;
    *x += static_cast<int32_t>(std::floor(form->Left() + 0.5f)) + dx;
    *y += static_cast<int32_t>(std::floor(form->Top() + 0.5f)) + dy;
    return true;
}

void DiscardPendingInput() { ++fake::Ui().inputDiscarded; }

bool HighContrastOn() { return fake::Ui().highContrast; }

FolderAnswer BrowseForFolder(Handle owner, const std::wstring& title, std::wstring* path) {
    fake::UiWorld& u = fake::Ui();
    u.folderDialogs.emplace_back(owner, title);
    if (fake::Fail("SHBrowseForFolder")) return FolderAnswer::NotShown;
    if (u.onBrowse) u.onBrowse();
    if (u.folderAnswers.empty()) throw std::logic_error("folder dialog shown with no answer scripted");
    std::wstring answer = u.folderAnswers.front();
    u.folderAnswers.pop_front();
    if (answer.empty()) return FolderAnswer::Cancelled;
    if (answer == fake::kFolderNotShown) return FolderAnswer::NotShown;
    *path = answer;
    return FolderAnswer::Chosen;
}

}  // namespace sys
