// Host fake of the window toolkit's backend and of the window calls of
// platform/sys/Ui.h, plus helpers that drive forms as a user would.
//
// Text measures deterministically: a line is (characters x font size) pixels
// wide and (2 x font size) pixels high. Bitmaps have the sizes in
// UiWorld::bitmaps (the wizard's own by default). A form's client area starts
// at its Left/Top on the screen (plus 3, 22 with a frame).
//
// The state lives in fake::W().ui; fake::Reset() also unloads every form
// without events (forms are program-wide objects that outlive the world).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/sys/Types.h"
#include "platform/ui/Ui.h"

namespace fake {

struct SetWindowPosCall {
    sys::Handle window = 0;
    sys::Handle insertAfter = 0;
    int32_t x = 0, y = 0, width = 0, height = 0;
    uint32_t flags = 0;
};

struct UiWindow {
    ui::Form* form = nullptr;
    bool visible = false;
    bool blocked = false;  // by a modal form
    bool destroyed = false;
    int syncs = 0, repaints = 0, pointerChanges = 0;  // SyncForm, Invalidate and PointerChanged calls
};

struct UiChild {
    ui::Control* control = nullptr;
    sys::Handle parent = 0;
    ui::Rect rect;
    bool visible = false;
    bool enabled = false;
    bool isDefault = false;
    std::wstring caption;
    std::vector<std::wstring> items;
    int selected = -1;
};

struct UiWorld {
    UiWorld() = default;
    UiWorld(const UiWorld&) = delete;
    UiWorld& operator=(const UiWorld&) = delete;
    ~UiWorld();  // unloads every form, quietly

    int screenWidth = 1024;
    int screenHeight = 768;
    std::map<int, std::pair<int, int>> bitmaps{{101, {460, 447}}, {102, {800, 600}}, {103, {461, 447}},
                                               {120, {96, 23}},   {121, {96, 23}},   {200, {14, 14}},
                                               {201, {14, 14}},   {202, {14, 14}}};
    std::map<sys::Handle, UiWindow> windows;
    std::map<sys::Handle, UiChild> children;
    std::map<std::pair<sys::Handle, int>, uint32_t> timers;  // running: (window, id) -> ms
    sys::Handle focusWindow = 0;                             // form window or child window with the keyboard focus
    sys::Handle nextHandle = 0x1000;
    // Run one per WaitAndDispatch; with none left a modal loop ends.
    std::deque<std::function<void()>> script;

    // Window calls.
    std::map<std::wstring, sys::Handle> findable;  // "class\ntitle" -> window
    std::vector<std::pair<std::wstring, std::wstring>> findWindowCalls;
    std::vector<SetWindowPosCall> setWindowPos;
    int32_t cursorX = 0, cursorY = 0;

    // The folder dialog: each showing records (owner, title), runs onBrowse
    // (what happens while it is open, such as timer ticks) and takes the next
    // answer: a folder, "" for Cancel, or kFolderNotShown for a dialog that
    // fails before it shows. No answer left is a test error.
    std::vector<std::pair<sys::Handle, std::wstring>> folderDialogs;
    std::deque<std::wstring> folderAnswers;
    std::function<void()> onBrowse;
    int inputDiscarded = 0;  // DiscardPendingInput calls
    bool highContrast = false;
};

// A folder answer: the dialog failed without showing.
inline const wchar_t* const kFolderNotShown = L"<not shown>";

UiWorld& Ui();  // W().ui

// What a user does. Mouse helpers move the fake cursor (screen) too.
void MouseMoveTo(ui::Form& form, float x, float y, int shift = 0);  // form client coordinates
void MouseMoveOver(ui::Control& control, int shift = 0);            // to its centre
void MouseDown(ui::Control& control, int button = ui::kLeftButton, int shift = 0);
void MouseUp(ui::Control& control, int button = ui::kLeftButton, int shift = 0);
// Down and up at the centre of a windowless control; BN_CLICKED for a
// command button.
void Click(ui::Control& control, int button = ui::kLeftButton, int shift = 0);
// Enter or Esc, whichever control of the form has the focus; Tab (shift:
// ui::kShiftMask); another key (ui::kKeyDown ...) for the windowless control
// with the focus.
void Key(ui::Form& form, int key, int shift = 0);
void SelectListEntry(ui::Control& list, int index);
// Fires the timer if it is running; false otherwise.
bool Tick(ui::Control& timer);
bool TimerRunning(const ui::Control& timer);
uint32_t TimerInterval(const ui::Control& timer);  // 0 when stopped
// The close box / Alt+F4 (kUnloadControlMenu) or another close reason.
bool CloseByUser(ui::Form& form, int mode = ui::kUnloadControlMenu);
// Queues an action that a modal loop runs as its next "message".
void Script(std::function<void()> action);
// The form's paint as text, one line per drawing call:
//   fill L,T,R,B #RRGGBB | frame ... | picture ID L,T,R,B stretch|plain |
//   text X,Y #RRGGBB "line" [font size] | clip L,T,R,B | unclip |
//   focus L,T,R,B | radio|button L,T,R,B [checked] [disabled]; a system
//   colour (High Contrast) as sysN
std::vector<std::wstring> PaintLog(const ui::Form& form);
// "left,top,right,bottom", as the paint log writes a rectangle.
std::wstring RectText(const ui::Rect& r);
// The largest coordinate (either sign) that the form's paint passes on.
int PaintExtent(const ui::Form& form);
// True when the form's window is visible / made topmost with SetWindowPos.
bool WindowVisible(const ui::Form& form);
bool WindowTopMost(sys::Handle window);
const UiChild* ChildOf(const ui::Control& control);

}  // namespace fake
