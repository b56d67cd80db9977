#include "dialogs/frmQueryCancel.h"

#include "core/ProgramEnd.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "dialogs/PictureButtons.h"
#include "dialogs/TwoButtonDialog.h"
#include "resources/resource_ids.h"

namespace frmQueryCancel {

namespace {

Controls ctl;

void Design(ui::Form& f) {
    FormParts::DesignDialog(f, ctl, 30,
                            {{L"Back", {132, 340, 345}, &ctl.Back, &ctl.lblBack, Back_Click},
                             {L"Cancel", {232, 340, 345}, &ctl.Cancel, &ctl.lblCancel, Cancel_Click}},
                            {Back_Click, Cancel_Click, Timer_Timer, DebugImg_MouseDown});
    // The keys' focus shows on the buttons they press.
    ctl.DefaultButton->SetFocusShownOn(&*ctl.Back);
    ctl.CancelButton->SetFocusShownOn(&*ctl.Cancel);
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmQueryCancel");
    [[maybe_unused]] static const bool wired =
        FormParts::Wire(form, {Design, Form_Load, Form_QueryUnload, nullptr}, &frmMain::Instance());
    return form;
}

const Controls& Ctl() { return FormParts::Loaded(Instance(), ctl); }

void Show() { TwoButtonDialog::Show(Instance()); }

// Over the page it interrupts, in the main window's band: out of the topmost
// one while a companion runs, whose dialogs it must not cover. Enter means
// back.
void Form_Load() {
    TwoButtonDialog::Load(Instance(), ctl, IDB_PAGE, {ctl.Back, ctl.lblBack, 3}, {ctl.Cancel, ctl.lblCancel, 2}, 2002,
                          true, runApp::InTopMostBand());
}

void Form_QueryUnload(bool& cancel, int mode) { ProgramEnd::CloseAsked(cancel, mode); }

// Back: the query goes, the wizard stays where it was.
void Back_Click() { Instance().Unload(); }

void Cancel_Click() { ProgramEnd::AbortWizard(); }

void Timer_Timer() { PictureButtons::HoverTick(*Ctl().Timer); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

}  // namespace frmQueryCancel
