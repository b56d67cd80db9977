#include "dialogs/frmCloseApp.h"

#include "core/Clicks.h"
#include "core/ProgramEnd.h"
#include "core/frmMain.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace frmCloseApp {

namespace {

using FormParts::Place;

Controls ctl;

void Design(ui::Form& f) {
    ctl = Controls{};
    // First shown centred on the screen; the program does not move it.
    FormParts::DesignDialog(f, L"Wizard");
    ctl.Image1 = Place(f, ui::Kind::Image, L"Image1", nullptr, 0, 0, FormParts::kDialogWidth, FormParts::kDialogHeight);
    ctl.Label = FormParts::Text(f, L"Label", nullptr, 24, 112, 409, 217);
    ctl.Label->SetAlignment(ui::kAlignCenter);
    ctl.Version = FormParts::Version(f, nullptr);

    ctl.Timer = FormParts::NewTimer(f, L"Timer", 50, Timer_Timer);
    FormParts::PictureButton(f, nullptr, L"Cancel", {132, 360, 365}, ctl.Cancel, ctl.lblCancel,
                             FormParts::Hover(ctl.Cancel, ctl.Timer), Cancel_Click);
    FormParts::PictureButton(f, nullptr, L"Forward", {232, 360, 365}, ctl.Forward, ctl.lblForward,
                             FormParts::Hover(ctl.Forward, ctl.Timer), Forward_Click);

    ctl.DebugImg = Place(f, ui::Kind::Image, L"DebugImg", nullptr, 0, 0, 33, 113);
    ctl.DebugImg->OnMouseDown = DebugImg_MouseDown;
    ctl.DefaultButton = FormParts::Proxy(f, L"DefaultButton", Forward_Click);
    ctl.DefaultButton->SetDefault(true);
    ctl.CancelButton = FormParts::Proxy(f, L"CancelButton", Cancel_Click);
    ctl.CancelButton->SetCancel(true);
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

const Controls& Ctl() {
    Instance().Load();
    return ctl;
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
    ui::Control& image1 = *ctl.Image1;
    image1.SetStretch(true);
    image1.SetPicture(IDB_CLOSEAPP);
    image1.Move(0, 0, f.ScaleWidth(), f.ScaleHeight());
    FormParts::SetVersion(*ctl.Version, f.ScaleWidth());
    ctl.Forward->SetPicture(IDB_BUTTON);
    ctl.Cancel->SetPicture(IDB_BUTTON);
    Functions::SetLabelText(*ctl.lblCancel, ResHandling::GetLanguageString(2), f);
    Functions::SetLabelText(*ctl.lblForward, ResHandling::GetLanguageString(1), f);
    ctl.Label->SetCaption(ResHandling::GetLanguageString(2000));
    image1.ZOrder(1);
    f.Show();
    // Enter means forward.
    ctl.DefaultButton->SetFocus();
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
    Ctl().Timer->SetEnabled(false);
    Clicks::ForwardClick();
}

void Cancel_Click() { Clicks::CancelClick(); }

void Timer_Timer() { PictureButtons::HoverTick(*Ctl().Timer); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

}  // namespace frmCloseApp
