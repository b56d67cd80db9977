// The small types of the window toolkit: colours, fonts, rectangles, the
// kinds of control, mouse arguments and the codes the wizard passes around.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Form;
class Control;

// 0x00BBGGRR, as a COLORREF.
using Color = uint32_t;
constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
// The user's colours of the window system, by its index (COLOR_WINDOW ...)
// with the top bit set, as classic form designers write them; the High
// Contrast paint draws in these.
constexpr Color SystemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }
constexpr Color kSysWindow = SystemColor(5);
constexpr Color kSysWindowText = SystemColor(8);
constexpr Color kSysHighlight = SystemColor(13);
constexpr Color kSysHighlightText = SystemColor(14);
constexpr Color kSysGrayText = SystemColor(17);
constexpr Color kSysButtonText = SystemColor(18);

// Mouse buttons and shift state of mouse events.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// The keys the toolkit routes itself: Enter presses the default button, Esc
// the cancel button, Tab moves the focus. The others reach the windowless
// control with the focus (Control::OnKeyDown), Left and Right traded in a
// right-to-left form; the codes are Windows' virtual-key codes (checked in
// UiWin32Input.cpp).
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// Why a form is being unloaded (QueryUnload's mode).
constexpr int kUnloadControlMenu = 0;  // close box, system menu, Alt+F4 (SC_CLOSE)
constexpr int kUnloadFormCode = 1;     // the program called Form::Unload
constexpr int kUnloadAppWindows = 2;   // the Windows session is ending
constexpr int kUnloadTaskManager = 3;  // closed from outside (WM_CLOSE without SC_CLOSE)

// Mouse pointers.
constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;
constexpr int kPointerCustom = 99;  // the form's cursor resource (Form::SetMouseIcon)

// Label alignment; a right-to-left label trades left and right.
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignCenter = 2;

// Form window states.
constexpr int kStateNormal = 0;
constexpr int kStateMinimized = 1;

struct Font {
    std::wstring name = L"MS Sans Serif";
    float size = 8.25f;  // points; pixel height = size * LOGPIXELSY / 72, rounded
    bool bold = false;
    bool italic = false;
    int16_t charset = 0;
};
bool operator==(const Font& a, const Font& b);

enum class Kind { None, Label, Image, PictureBox, ListBox, CommandButton, Timer };

// What a screen reader is told a control is, as a standard dialog's control
// of that kind would be (Control::SetRole; labels start as Text, list boxes
// as List, everything else as None: decorative or part of another's item),
// or a form is (Client, Dialog, Alert).
enum class Role { None, Text, PushButton, RadioButton, ProgressBar, List, Client, Dialog, Alert };

// The state of an accessible item (AccessibleItem::state).
constexpr uint32_t kAccUnavailable = 1;
constexpr uint32_t kAccFocused = 2;
constexpr uint32_t kAccFocusable = 4;
constexpr uint32_t kAccChecked = 8;
constexpr uint32_t kAccDefault = 16;
constexpr uint32_t kAccInvisible = 32;
constexpr uint32_t kAccReadOnly = 64;

// What the model tells the window system for screen readers and magnifiers.
enum class AccessEvent { Focus, Show, Hide, Destroy, NameChange, StateChange, ValueChange, LocationChange };

struct MouseArgs {
    int button = 0;  // kLeftButton ...; for MouseMove the buttons held
    int shift = 0;   // kShiftMask | kCtrlMask | kAltMask
    float x = 0;     // in the control's container coordinates
    float y = 0;
};

using Handler = std::function<void()>;
using MouseHandler = std::function<void(const MouseArgs&)>;
// Returns whether the control used the key; one it declines goes on to the
// window system.
using KeyHandler = std::function<bool(int key)>;

// One drawing operation kept by a picture box (replayed at each paint, cleared
// by Cls). Coordinates are the picture box's inner (scale) coordinates.
struct DrawOp {
    enum Type { Box, Text } type = Box;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Box: both corners inclusive; Text: x1,y1 = position
    Color color = 0;
    bool filled = true;
    std::wstring text;
    Font font;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right/bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// One control as a screen reader is told of it (Form::AccessibleItems).
struct AccessibleItem {
    int id = 0;  // the control's ChildId: stable while it lives
    Role role = Role::None;
    std::wstring name;                // as drawn: no '&', line breaks as blanks
    std::wstring value;               // a progress bar's percentage
    int16_t charset = 0;              // the character set the name is drawn in
    uint32_t state = 0;               // kAcc...
    Rect rect;                        // where it is drawn, form client pixels
    const wchar_t* action = nullptr;  // its default action: "Press", "Check", or none
    Control* control = nullptr;
};

// The smallest rectangle holding both (an empty one holds nothing).
Rect Union(const Rect& a, const Rect& b);

// Geometry is kept as assigned; drawing and windows take the nearest pixel.
int RoundPixel(float v);

// Case-insensitive name comparison used for every control name.
bool SameName(const std::wstring& a, const std::wstring& b);

}  // namespace ui
