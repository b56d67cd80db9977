#include "dialogs/frmQueryCancel.h"

#include "core/ProgramEnd.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace frmQueryCancel {

namespace {

using FormParts::Place;

Controls ctl;

void Design(ui::Form& f) {
    ctl = Controls{};
    FormParts::DesignDialog(f, L"Wizard");
    ctl.Image1 = Place(f, ui::Kind::Image, L"Image1", nullptr, 0, 0, FormParts::kDialogWidth, FormParts::kDialogHeight);
    ctl.Label = FormParts::Text(f, L"Label", nullptr, 30, 112, 409, 217);
    ctl.Label->SetAlignment(ui::kAlignCenter);
    ctl.Version = FormParts::Version(f, nullptr);

    ctl.Timer = FormParts::NewTimer(f, L"Timer", 50, Timer_Timer);
    FormParts::PictureButton(f, nullptr, L"Back", {132, 340, 345}, ctl.Back, ctl.lblBack,
                             FormParts::Hover(ctl.Back, ctl.Timer), Back_Click);
    FormParts::PictureButton(f, nullptr, L"Cancel", {232, 340, 345}, ctl.Cancel, ctl.lblCancel,
                             FormParts::Hover(ctl.Cancel, ctl.Timer), Cancel_Click);

    ctl.DebugImg = Place(f, ui::Kind::Image, L"DebugImg", nullptr, 0, 0, 33, 113);
    ctl.DebugImg->OnMouseDown = DebugImg_MouseDown;
    ctl.DefaultButton = FormParts::Proxy(f, L"DefaultButton", Back_Click);
    ctl.DefaultButton->SetDefault(true);
    ctl.CancelButton = FormParts::Proxy(f, L"CancelButton", Cancel_Click);
    ctl.CancelButton->SetCancel(true);
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmQueryCancel");
    static bool wired = false;
    if (!wired) {
        wired = true;
        form.OnDesign = Design;
        form.OnLoad = Form_Load;
        form.OnQueryUnload = Form_QueryUnload;
    }
    return form;
}

const Controls& Ctl() {
    Instance().Load();
    return ctl;
}

void Show() {
    // Form_Load shows the window itself and gives Enter to Back.
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
    image1.SetPicture(IDB_PAGE);
    image1.Move(0, 0, f.ScaleWidth(), f.ScaleHeight());
    ctl.DefaultButton->SetTop(-10000);
    ctl.CancelButton->SetTop(-10000);
    FormParts::SetVersion(*ctl.Version, f.ScaleWidth());
    ctl.Back->SetPicture(IDB_BUTTON);
    ctl.Cancel->SetPicture(IDB_BUTTON);
    Functions::SetLabelText(*ctl.lblBack, ResHandling::GetLanguageString(3), f);
    Functions::SetLabelText(*ctl.lblCancel, ResHandling::GetLanguageString(2), f);
    ctl.Label->SetCaption(ResHandling::GetLanguageString(2002));
    image1.ZOrder(1);
    f.Show();
    FormParts::PlaceOnPageArea(f);
    // Enter means back.
    ctl.DefaultButton->SetFocus();
    TopMost::SetTopMost(f.Handle());
}

void Form_QueryUnload(bool& cancel, int mode) {
    (void)cancel;
    if (mode != ui::kUnloadFormCode) ProgramEnd::AbortWizard();
}

// Back: the query goes, the wizard stays where it was.
void Back_Click() { Instance().Unload(); }

void Cancel_Click() { ProgramEnd::AbortWizard(); }

void Timer_Timer() { PictureButtons::HoverTick(*Ctl().Timer); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

}  // namespace frmQueryCancel
