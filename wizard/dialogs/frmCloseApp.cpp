#include "dialogs/frmCloseApp.h"

#include "core/Clicks.h"
#include "core/ProgramEnd.h"
#include "core/frmMain.h"
#include "dialogs/FormParts.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace frmCloseApp {

namespace {

using FormParts::Caption;
using FormParts::Place;

ui::Control& Item(const wchar_t* name) { return Instance().Item(name); }

void Design(ui::Form& f) {
    // First shown centred on the screen; the program does not move it.
    FormParts::DesignDialog(f, L"Wizard");
    Place(f, ui::Kind::Image, L"Image1", nullptr, 0, 0, FormParts::kDialogWidth, FormParts::kDialogHeight);
    FormParts::Text(f, L"Label", nullptr, 24, 112, 409, 217).SetAlignment(ui::kAlignCenter);
    FormParts::Version(f, nullptr);

    ui::Control& timer = FormParts::NewTimer(f, L"Timer", 50, Timer_Timer);
    struct Button {
        const wchar_t* image;
        const wchar_t* caption;
        float left;
        void (*click)();
    } buttons[] = {{L"Cancel", L"lblCancel", 132, Cancel_Click}, {L"Forward", L"lblForward", 232, Forward_Click}};
    for (const Button& b : buttons) {
        ui::Control& image = Place(f, ui::Kind::Image, b.image, nullptr, b.left, 360, 96, 23);
        ui::Control& caption = Caption(f, b.caption, nullptr, b.left, 365);
        ui::Control* img = &image;
        ui::Control* tmr = &timer;
        PictureButtons::Wire(
            image, caption, [img, tmr](const ui::MouseArgs&) { PictureButtons::HoverStart(*img, *tmr); }, b.click);
    }

    Place(f, ui::Kind::Image, L"DebugImg", nullptr, 0, 0, 33, 113).OnMouseDown = DebugImg_MouseDown;
    FormParts::Proxy(f, L"DefaultButton", Forward_Click).SetDefault(true);
    FormParts::Proxy(f, L"CancelButton", Cancel_Click).SetCancel(true);
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmCloseApp");
    static bool wired = false;
    if (!wired) {
        wired = true;
        form.OnDesign = Design;
        form.OnLoad = Form_Load;
        form.OnQueryUnload = Form_QueryUnload;
        form.OnUnload = Form_Unload;
    }
    return form;
}

void Show() {
    // Form_Load shows the window itself and gives Enter to Forward.
    ui::Form& f = Instance();
    if (f.IsLoaded())
        f.Show();
    else
        f.Load();
}

void Form_Load() {
    ui::Form& f = Instance();
    ui::Control& image1 = Item(L"Image1");
    image1.SetStretch(true);
    image1.SetPicture(IDB_CLOSEAPP);
    image1.Move(0, 0, f.ScaleWidth(), f.ScaleHeight());
    FormParts::SetVersion(Item(L"Version"), f.ScaleWidth());
    Item(L"Forward").SetPicture(IDB_BUTTON);
    Item(L"Cancel").SetPicture(IDB_BUTTON);
    Functions::SetLabelText(Item(L"lblCancel"), ResHandling::GetLanguageString(2), f);
    Functions::SetLabelText(Item(L"lblForward"), ResHandling::GetLanguageString(1), f);
    Item(L"Label").SetCaption(ResHandling::GetLanguageString(2000));
    image1.ZOrder(1);
    f.Show();
    // Enter means forward.
    Item(L"DefaultButton").SetFocus();
    TopMost::SetTopMost(f.Handle());
}

void Form_QueryUnload(bool& cancel, int mode) {
    (void)cancel;
    if (mode != ui::kUnloadFormCode) ProgramEnd::AbortWizard();
}

// Leaving page 1 brings up the main window (its first use loads and shows it).
void Form_Unload(bool& cancel) {
    (void)cancel;
    frmMain::Instance().SetEnabled(true);
}

void Forward_Click() {
    Item(L"Timer").SetEnabled(false);
    Clicks::ForwardClick();
}

void Cancel_Click() { Clicks::CancelClick(); }

void Timer_Timer() { PictureButtons::HoverTick(Item(L"Timer")); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

}  // namespace frmCloseApp
