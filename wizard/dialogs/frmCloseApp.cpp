#include "dialogs/frmCloseApp.h"

#include "core/Clicks.h"
#include "core/ProgramEnd.h"
#include "core/frmMain.h"
#include "dialogs/PictureButtons.h"
#include "dialogs/TwoButtonDialog.h"
#include "resources/resource_ids.h"

namespace frmCloseApp {

namespace {

Controls ctl;

void Design(ui::Form& f) {
    // First shown centred on the screen; the program does not move it.
    FormParts::DesignDialog(f, ctl, 24,
                            {{L"Cancel", {132, 360, 365}, &ctl.Cancel, &ctl.lblCancel, Cancel_Click},
                             {L"Forward", {232, 360, 365}, &ctl.Forward, &ctl.lblForward, Forward_Click}},
                            {Forward_Click, Cancel_Click, Timer_Timer, DebugImg_MouseDown});
    // The keys' focus shows on the buttons they press.
    ctl.DefaultButton->SetFocusShownOn(&*ctl.Forward);
    ctl.CancelButton->SetFocusShownOn(&*ctl.Cancel);
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmCloseApp");
    [[maybe_unused]] static const bool wired =
        FormParts::Wire(form, {Design, Form_Load, Form_QueryUnload, Form_Unload});
    return form;
}

const Controls& Ctl() { return FormParts::Loaded(Instance(), ctl); }

void Show() { TwoButtonDialog::Show(Instance()); }

// Enter means forward.
void Form_Load() {
    TwoButtonDialog::Load(Instance(), ctl, IDB_CLOSEAPP, {ctl.Cancel, ctl.lblCancel, 2},
                          {ctl.Forward, ctl.lblForward, 1}, 2000, false, true);
}

void Form_QueryUnload(bool& cancel, int mode) { ProgramEnd::CloseAsked(cancel, mode); }

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
