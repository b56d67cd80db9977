#include "dialogs/PictureButtons.h"

#include "core/RunState.h"
#include "platform/sys/Ui.h"

namespace PictureButtons {

void HoverStart(ui::Control& image, ui::Control& timer) {
    if (!image.IsAlive() || timer.Enabled()) return;
    // Where the image is drawn (mirrored in a right-to-left window), on the screen.
    ui::Rect r = image.FormRect();
    if (ui::Form* form = image.Owner()) {
        form->ClientToScreen(static_cast<float>(r.left), static_cast<float>(r.top), &Rs.HoverLeft, &Rs.HoverTop);
        form->ClientToScreen(static_cast<float>(r.right), static_cast<float>(r.bottom), &Rs.HoverRight,
                             &Rs.HoverBottom);
    }
    Rs.HoverImage = &image;
    timer.SetEnabled(true);
    image.SetPicture(kLit);
}

void HoverTick(ui::Control& timer) {
    int32_t x = 0, y = 0;
    if (!sys::GetCursorPos(&x, &y)) return;
    if (x < Rs.HoverLeft || x > Rs.HoverRight || y < Rs.HoverTop || y > Rs.HoverBottom) {
        timer.SetEnabled(false);
        if (Rs.HoverImage) Rs.HoverImage->SetPicture(kNormal);
    }
}

void MinimiseGesture(ui::Form& form, const ui::MouseArgs& args) {
    if (args.button != ui::kRightButton || args.shift != ui::kShiftMask) return;
    sys::SetWindowPos(form.Handle(), sys::kHwndTopMost, 0, 0, 0, 0, 0);
    form.SetWindowState(ui::kStateMinimized);
}

void Wire(ui::Control& image, ui::Control& caption, const ui::MouseHandler& mouseMove, const ui::Handler& click) {
    for (ui::Control* c : {&image, &caption}) {
        c->OnMouseMove = mouseMove;
        c->OnClick = click;
        c->SetMousePointer(ui::kPointerCustom);
    }
}

}  // namespace PictureButtons
