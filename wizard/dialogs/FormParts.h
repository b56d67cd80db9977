// Building blocks of the wizard's windows at design time: controls placed by
// name, the captions of picture buttons, keyboard proxies, timers, and the
// common fonts and colours.
#pragma once

#include <cstdint>

#include "platform/ui/Ui.h"

namespace FormParts {

// Page and message texts (their own design font; captions get theirs from
// SetLabelText).
const ui::Font kTextFont{L"MS Sans Serif", 9.75f, false, false, 0};
const ui::Font kCaptionFont{L"MS Sans Serif", 9.75f, true, false, 0};
constexpr ui::Color kTextColor = ui::Rgb(16, 32, 64);
constexpr ui::Color kVersionColor = ui::Rgb(96, 104, 120);
// The client area of the dialogs: the size of the main window's page area.
constexpr float kDialogWidth = 460;
constexpr float kDialogHeight = 447;

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

// A borderless dialog of the page area's size with the button pointer.
void DesignDialog(ui::Form& form, const wchar_t* caption);
// Where a dialog goes: on the main window's page area, or centred on the
// screen while the main window is not loaded.
void PlaceOnPageArea(ui::Form& form);
// Version right-aligned on the width: top 5, caption Rs.VersionText.
void SetVersion(ui::Control& version, float width);

}  // namespace FormParts
