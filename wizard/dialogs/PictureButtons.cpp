#include "dialogs/PictureButtons.h"

#include "core/RunState.h"
#include "platform/sys/Ui.h"

namespace PictureButtons {

void HoverStart(ui::Control& image, ui::Control& timer) {
    if (!image.IsAlive() || timer.Enabled()) return;
    // Container coordinates to the screen: through the picture box that holds
    // the image, or through the window itself.
    ui::Control* box = image.Container();
    ui::Form* form = image.Owner();
    auto toScreen = [&](float x, float y, int32_t* sx, int32_t* sy) {
        if (box)
            box->ClientToScreen(x, y, sx, sy);
        else if (form)
            form->ClientToScreen(x, y, sx, sy);
    };
    toScreen(image.Left(), image.Top(), &Rs.HoverLeft, &Rs.HoverTop);
    toScreen(image.Left() + image.Width(), image.Top() + image.Height(), &Rs.HoverRight, &Rs.HoverBottom);
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
