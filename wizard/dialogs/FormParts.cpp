#include "dialogs/FormParts.h"

#include <cmath>

#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "core/frmMain.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "resources/resource_ids.h"

namespace FormParts {

namespace {

// Centred on the screen, on whole pixels.
void Centre(ui::Form& form, float width, float height) {
    form.Move(std::floor((static_cast<float>(ui::ScreenWidth()) - width) / 2),
              std::floor((static_cast<float>(ui::ScreenHeight()) - height) / 2));
}

}  // namespace

bool Wire(ui::Form& form, const FormEvents& events, ui::Form* owner) {
    form.SetOwner(owner);
    if (events.design) form.OnDesign = events.design;
    if (events.load) form.OnLoad = events.load;
    if (events.queryUnload) form.OnQueryUnload = events.queryUnload;
    if (events.unload) form.OnUnload = events.unload;
    form.OnQueryEndSession = ProgramEnd::EndOfSessionAsked;
    return true;
}

ui::Control& Place(ui::Form& form, ui::Kind kind, const wchar_t* name, ui::Control* box, float left, float top,
                   float width, float height) {
    ui::Control* c = form.Add(kind, name, box);
    if (!c) return ui::Control::Inert();
    c->Move(left, top, width, height);
    Functions::UseTextScript(*c);
    return *c;
}

ui::Control& Text(ui::Form& form, const wchar_t* name, ui::Control* box, float left, float top, float width,
                  float height) {
    ui::Control& c = Place(form, ui::Kind::Label, name, box, left, top, width, height);
    Functions::UseTextScript(c, &kTextFont);
    c.SetForeColor(kTextColor);
    c.SetWordWrap(true);
    return c;
}

ui::Control& Caption(ui::Form& form, const wchar_t* name, ui::Control* box, float left, float top) {
    ui::Control& c = Place(form, ui::Kind::Label, name, box, left, top, 96, 18);
    Functions::UseTextScript(c, &kCaptionFont);
    c.SetForeColor(kTextColor);
    c.SetAlignment(ui::kAlignCenter);
    return c;
}

ui::Control& Version(ui::Form& form, ui::Control* box) {
    ui::Control& c = Place(form, ui::Kind::Label, L"Version", box, 0, 5, 0, 25);
    c.SetRightToLeft(false);  // Latin letters and digits, wherever it stands
    c.SetForeColor(kVersionColor);
    c.SetAutoSize(true);
    return c;
}

ui::Control& Proxy(ui::Form& form, const wchar_t* name, void (*click)()) {
    ui::Control& c = Place(form, ui::Kind::CommandButton, name, nullptr, 0, -10000, 81, 33);
    c.OnClick = click;
    return c;
}

ui::Control& NewTimer(ui::Form& form, const wchar_t* name, uint32_t ms, void (*tick)()) {
    ui::Control* c = form.Add(ui::Kind::Timer, name);
    if (!c) return ui::Control::Inert();
    c->SetInterval(ms);
    c->SetEnabled(false);
    c->OnTimer = tick;
    return *c;
}

void PictureButton(ui::Form& form, ui::Control* box, const wchar_t* name, ButtonPlace at, ControlRef& image,
                   ControlRef& caption, const ui::MouseHandler& mouseMove, const ui::Handler& click) {
    image = Place(form, ui::Kind::Image, name, box, at.left, at.top, 96, 23);
    caption = Caption(form, (std::wstring(L"lbl") + name).c_str(), box, at.left, at.captionTop);
    PictureButtons::Wire(*image, *caption, mouseMove, click);
    // One push button for a screen reader, named by its caption.
    image->SetRole(ui::Role::PushButton);
    caption->SetRole(ui::Role::None);
    image->SetNamedBy(&*caption);
}

void DesignDialog(ui::Form& form, const wchar_t* caption) {
    form.SetRightToLeft(ResHandling::RightToLeft());
    form.SetCaption(caption);
    form.SetRole(ui::Role::Dialog);
    form.SetBorderStyle(0);
    form.SetClientSize(kDialogWidth, kDialogHeight);
    form.SetMouseIcon(IDC_POINTER);
    Centre(form, kDialogWidth, kDialogHeight);
}

void DesignDialog(ui::Form& form, DialogControls& c, float textLeft, std::initializer_list<DialogButton> buttons,
                  const DialogEvents& events) {
    DesignDialog(form, L"Wizard");

    c.Image1 = Place(form, ui::Kind::Image, L"Image1", nullptr, 0, 0, kDialogWidth, kDialogHeight);
    c.Label = Text(form, L"Label", nullptr, textLeft, 112, 409, 217);
    c.Label->SetAlignment(ui::kAlignCenter);
    c.Version = Version(form, nullptr);

    c.Timer = NewTimer(form, L"Timer", 50, events.hoverTick);
    for (const DialogButton& b : buttons) {
        // Read when the mouse moves: the references outlive this design.
        const ControlRef& image = *b.image;
        const ControlRef& timer = c.Timer;
        auto hover = [&image, &timer](const ui::MouseArgs&) { PictureButtons::HoverStart(*image, *timer); };
        PictureButton(form, nullptr, b.name, b.at, *b.image, *b.caption, hover, b.click);
    }

    c.DebugImg = Place(form, ui::Kind::Image, L"DebugImg", nullptr, 0, 0, 33, 113);
    c.DebugImg->OnMouseDown = events.debugMouseDown;
    c.DefaultButton = Proxy(form, L"DefaultButton", events.enter);
    c.DefaultButton->SetDefault(true);
    c.CancelButton = Proxy(form, L"CancelButton", events.escape);
    c.CancelButton->SetCancel(true);
}

void PlaceOnPageArea(ui::Form& form) {
    int32_t x = 0, y = 0;
    if (frmMain::PageAreaOnScreen(&x, &y))
        form.Move(static_cast<float>(x), static_cast<float>(y));
    else
        Centre(form, form.ScaleWidth(), form.ScaleHeight());
}

void SetVersion(ui::Control& version, float width) {
    version.SetTop(5);
    version.SetCaption(Rs.VersionText);
    // The page pictures draw their frame in the last column; a font whose
    // last glyph inks its last column (Wine's MS Sans Serif) would draw the
    // text's last stroke onto it.
    version.SetLeft(width - kPictureFrame - version.Width());
}

}  // namespace FormParts
