// Building blocks of the wizard's windows at design time: controls placed by
// name, the typed references through which the program reaches them, picture
// buttons, keyboard proxies, timers, and the common fonts and colours.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/ui/Ui.h"

namespace FormParts {

// A control of a fixed window's design, as the window's typed controls hold
// it, so that the compiler checks every name the program uses. Never null:
// the inert control until the design sets it, and where the design could not
// add the control.
class ControlRef {
public:
    ControlRef() = default;
    ControlRef(ui::Control& control) : control_(&control) {}  // implicit: a placed control goes straight in
    ui::Control* operator->() const { return control_; }
    ui::Control& operator*() const { return *control_; }

private:
    ui::Control* control_ = &ui::Control::Inert();
};

// Page and message texts (their own design font; captions get theirs from
// SetLabelText).
const ui::Font kTextFont{L"MS Sans Serif", 9.75f, false, false, 0};
const ui::Font kCaptionFont{L"MS Sans Serif", 9.75f, true, false, 0};
constexpr ui::Color kTextColor = ui::Rgb(16, 32, 64);
constexpr ui::Color kVersionColor = ui::Rgb(96, 104, 120);
// The client area of the dialogs: the size of the main window's page area.
constexpr float kDialogWidth = 460;
// The dark frame the page pictures draw around their edge, in pixels.
constexpr float kPictureFrame = 1;
constexpr float kDialogHeight = 447;

// The handlers of a window's life (null: none).
struct FormEvents {
    void (*design)(ui::Form&);
    void (*load)();
    void (*queryUnload)(bool& cancel, int mode);
    void (*unload)(bool& cancel);
};
// Connects them, and the answer of every window to the end of the session
// (ProgramEnd::EndOfSessionAsked), to the form; true, so that a window's one object can be wired
// as it is made (a function-local static beside it).
// A dialog is owned by the main window (owner), whenever that is loaded.
bool Wire(ui::Form& form, const FormEvents& events, ui::Form* owner = nullptr);

// A window's typed controls, once the window is loaded (their design fills
// them).
template <class Controls>
const Controls& Loaded(ui::Form& form, const Controls& controls) {
    form.Load();
    return controls;
}

// Adds a control at left, top with the given size (inert when Add fails).
ui::Control& Place(ui::Form& form, ui::Kind kind, const wchar_t* name, ui::Control* box, float left, float top,
                   float width, float height);
// A word-wrapping text label.
ui::Control& Text(ui::Form& form, const wchar_t* name, ui::Control* box, float left, float top, float width,
                  float height);
// The caption label of a picture button, 96 x 18, centred.
ui::Control& Caption(ui::Form& form, const wchar_t* name, ui::Control* box, float left, float top);
// A version label at the top; Form_Load right-aligns it.
ui::Control& Version(ui::Form& form, ui::Control* box);
// A command button of 81 x 33 that carries Enter or Esc.
ui::Control& Proxy(ui::Form& form, const wchar_t* name, void (*click)());
// A timer, disabled, with its interval.
ui::Control& NewTimer(ui::Form& form, const wchar_t* name, uint32_t ms, void (*tick)());

// Where a picture button goes: its image at left, top, its caption at left,
// captionTop.
struct ButtonPlace {
    float left, top, captionTop;
};
// A picture button: the image `name` (96 x 23) and its caption "lbl" + name,
// in box (null: the window itself), both raising mouseMove and click.
void PictureButton(ui::Form& form, ui::Control* box, const wchar_t* name, ButtonPlace at, ControlRef& image,
                   ControlRef& caption, const ui::MouseHandler& mouseMove, const ui::Handler& click);

// What every dialog's design holds besides its picture buttons.
struct DialogControls {
    ControlRef Image1, Label, Version, Timer, DebugImg, DefaultButton, CancelButton;
};
// A picture button of a dialog, and the typed controls that take its parts
// (they must live as long as the program: the hover reads them).
struct DialogButton {
    const wchar_t* name;
    ButtonPlace at;
    ControlRef* image;
    ControlRef* caption;
    void (*click)();
};
// What a dialog's keys, hover timer and hidden corner image raise.
struct DialogEvents {
    void (*enter)();
    void (*escape)();
    void (*hoverTick)();
    void (*debugMouseDown)(const ui::MouseArgs&);
};
// A borderless dialog of the page area's size with the button pointer,
// centred on the screen, laid out in the language library's direction.
void DesignDialog(ui::Form& form, const wchar_t* caption);
// The design of a dialog: that frame, captioned "Wizard"; Image1 over all of it; the
// centred text Label at textLeft, 112 (409 x 217); Version; the 50 ms hover
// Timer; the picture buttons, lit while the mouse is on them; DebugImg; the
// keyboard proxies DefaultButton (Enter) and CancelButton (Esc). Sets every
// reference of controls and of the buttons.
void DesignDialog(ui::Form& form, DialogControls& controls, float textLeft, std::initializer_list<DialogButton> buttons,
                  const DialogEvents& events);
// Where a dialog goes: on the main window's page area, or centred on the
// screen while the main window is not loaded.
void PlaceOnPageArea(ui::Form& form);
// Version right-aligned on the width, inside the picture's frame: top 5,
// caption Rs.VersionText.
void SetVersion(ui::Control& version, float width);

}  // namespace FormParts
