#include "dialogs/frmMessage.h"

#include "core/Clicks.h"
#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "core/frmMain.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/StringTable.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace frmMessage {

namespace {

constexpr int16_t kRepeatCancel = 5;
constexpr float kGap = 10;

Controls ctl;

void Design(ui::Form& f) {
    FormParts::DesignDialog(f, ctl, 30,
                            {{L"Ok", {104, 340, 345}, &ctl.Ok, &ctl.lblOk, Ok_Click},
                             {L"Cancel", {248, 340, 345}, &ctl.Cancel, &ctl.lblCancel, Cancel_Click},
                             {L"Repeat", {360, 340, 344}, &ctl.Repeat, &ctl.lblRepeat, Repeat_Click}},
                            {DefaultButton_Click, Cancel_Click, Timer_Timer, DebugImg_MouseDown});
    // Form_Load shows the buttons of the layout.
    for (const FormParts::ControlRef& hidden : {ctl.Ok, ctl.lblOk, ctl.lblCancel, ctl.Repeat, ctl.lblRepeat})
        hidden->SetVisible(false);
}

bool AsksRepeat() { return Rs.MessageButtons == kRepeatCancel; }

void Answer(bool repeat) {
    Rs.MessageRepeat = repeat;
    Clicks::MessageClosed();
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmMessage");
    [[maybe_unused]] static const bool wired =
        FormParts::Wire(form, {Design, Form_Load, Form_QueryUnload, nullptr}, &frmMain::Instance());
    return form;
}

const Controls& Ctl() { return FormParts::Loaded(Instance(), ctl); }

void ShowModal() {
    ui::Form& f = Instance();
    // Each showing loads afresh, so that MessageId and MessageButtons are read.
    if (f.IsLoaded()) f.Unload();
    bool question = AsksRepeat();
    f.ShowModal();
    // The message loop may end without an answer (the session ends): a stop
    // still ends the run, a question counts as Cancel.
    if (!question) ProgramEnd::AbortWizard();
    if (f.IsLoaded()) Answer(false);
}

void ShowMessage(int16_t messageId) {
    Rs.MessageId = messageId;
    ShowModal();
}

void Unload() { Instance().Unload(); }

void Form_Load() {
    ui::Form& f = Instance();
    // The background over the whole dialog.
    ui::Control& image1 = *ctl.Image1;
    image1.SetStretch(true);
    image1.SetPicture(IDB_PAGE);
    image1.Move(0, 0, f.ScaleWidth(), f.ScaleHeight());
    image1.ZOrder(1);
    // On the main window's page area, as if it were a page.
    FormParts::PlaceOnPageArea(f);
    // The keyboard proxies only carry Enter and Esc: out of sight.
    ctl.DefaultButton->SetTop(-10000);
    ctl.CancelButton->SetTop(-10000);
    FormParts::SetVersion(*ctl.Version, f.ScaleWidth());
    for (const FormParts::ControlRef& image : {ctl.Cancel, ctl.Ok, ctl.Repeat}) image->SetPicture(IDB_BUTTON);
    // Without a language library (message 9999) OK is the program's own "&OK".
    Functions::SetLabelText(*ctl.lblCancel, ResHandling::GetLanguageString(2), f);
    Functions::SetLabelText(*ctl.lblRepeat, ResHandling::GetLanguageString(8), f);
    std::wstring ok = Rs.MessageId == IDS_NO_LANGUAGE ? StringTable::ProgramString(IDS_OK_CAPTION)
                                                      : ResHandling::GetLanguageString(5);
    Functions::SetLabelText(*ctl.lblOk, ok, f);
    ctl.Label->SetCaption(ResHandling::GetLanguageString(Rs.MessageId));
    // The buttons of the layout, centred.
    float inner = f.ScaleWidth();
    // The keys' focus shows on the buttons they press: a stop's Esc, as its
    // Enter, on OK. A stop is told to screen readers as an alert.
    f.SetRole(AsksRepeat() ? ui::Role::Dialog : ui::Role::Alert);
    ctl.DefaultButton->SetFocusShownOn(AsksRepeat() ? &*ctl.Repeat : &*ctl.Ok);
    ctl.CancelButton->SetFocusShownOn(AsksRepeat() ? &*ctl.Cancel : &*ctl.Ok);
    if (Rs.MessageButtons == 0) {
        ctl.Ok->SetVisible(true);
        ctl.lblOk->SetVisible(true);
        ctl.Cancel->SetVisible(false);
        ctl.Ok->SetLeft((inner - ctl.Ok->Width()) / 2);
        ctl.lblOk->SetLeft(ctl.Ok->Left());
    } else if (AsksRepeat()) {
        ctl.lblRepeat->SetTabIndex(0);
        ctl.DefaultButton->SetTabIndex(1);
        ctl.lblCancel->SetTabIndex(2);
        ctl.CancelButton->SetTabIndex(3);
        ui::Control& repeat = *ctl.Repeat;
        ui::Control& cancel = *ctl.Cancel;
        for (const FormParts::ControlRef& c : {ctl.Repeat, ctl.lblRepeat, ctl.Cancel, ctl.lblCancel})
            c->SetVisible(true);
        repeat.SetLeft((inner - (repeat.Width() + cancel.Width() + kGap)) / 2);
        ctl.lblRepeat->SetLeft(repeat.Left());
        cancel.SetLeft(repeat.Left() + repeat.Width() + kGap);
        ctl.lblCancel->SetLeft(cancel.Left());
    }
    // The background stays behind the buttons the layout showed.
    image1.ZOrder(1);
    TopMost::SetTopMost(f.Handle());
}

void Form_QueryUnload(bool& cancel, int mode) { ProgramEnd::CloseAsked(cancel, mode); }

void Ok_Click() { ProgramEnd::AbortWizard(); }

void Repeat_Click() { Answer(true); }

void Cancel_Click() {
    if (AsksRepeat())
        Answer(false);
    else
        ProgramEnd::AbortWizard();
}

void DefaultButton_Click() {
    if (AsksRepeat())
        Answer(true);
    else
        Ok_Click();
}

void Timer_Timer() { PictureButtons::HoverTick(*Ctl().Timer); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

}  // namespace frmMessage
