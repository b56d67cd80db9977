// What the picture buttons of every window share: the hover effect (a lit
// face while the mouse is over the image, watched by the window's timer), the
// minimise gesture on the hidden corner image, and the close test.
#pragma once

#include "platform/ui/Ui.h"

namespace PictureButtons {

// Bitmaps of a picture button.
constexpr int kNormal = 120;
constexpr int kLit = 121;

// Hover start on image, watched by timer. While timer runs this does nothing;
// otherwise the image's screen rectangle goes into Rs.HoverLeft/Top/Right/
// Bottom (right and bottom = left + width, top + height), the image into
// Rs.HoverImage, timer starts and the image shows the lit face.
void HoverStart(ui::Control& image, ui::Control& timer);

// Hover end test of each tick: a cursor outside the rectangle (its border
// counts as inside) stops timer and gives Rs.HoverImage its normal face.
void HoverTick(ui::Control& timer);

// Right button with exactly Shift: the window is made topmost at 0,0 with
// size 0 and minimised. Anything else does nothing.
void MinimiseGesture(ui::Form& form, const ui::MouseArgs& args);

// A picture button image and its caption label: the window's own pointer
// over both, the same MouseMove handler (the hover start) and Click handler.
void Wire(ui::Control& image, ui::Control& caption, const ui::MouseHandler& mouseMove, const ui::Handler& click);

}  // namespace PictureButtons
