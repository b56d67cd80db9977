#include "dialogs/frmMessage.h"

#include "core/Clicks.h"
#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/StringTable.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace frmMessage {

namespace {

using FormParts::Place;

constexpr int16_t kRepeatCancel = 5;
constexpr float kGap = 10;

Controls ctl;

void Design(ui::Form& f) {
    ctl = Controls{};
    FormParts::DesignDialog(f, L"Wizard");
    ctl.Image1 = Place(f, ui::Kind::Image, L"Image1", nullptr, 0, 0, FormParts::kDialogWidth, FormParts::kDialogHeight);
    ctl.Label = FormParts::Text(f, L"Label", nullptr, 30, 112, 409, 217);
    ctl.Label->SetAlignment(ui::kAlignCenter);
    ctl.Version = FormParts::Version(f, nullptr);

    ctl.Timer = FormParts::NewTimer(f, L"Timer", 50, Timer_Timer);
    FormParts::PictureButton(f, nullptr, L"Ok", {104, 340, 345}, ctl.Ok, ctl.lblOk, FormParts::Hover(ctl.Ok, ctl.Timer),
                             Ok_Click);
    FormParts::PictureButton(f, nullptr, L"Cancel", {248, 340, 345}, ctl.Cancel, ctl.lblCancel,
                             FormParts::Hover(ctl.Cancel, ctl.Timer), Cancel_Click);
    FormParts::PictureButton(f, nullptr, L"Repeat", {360, 340, 344}, ctl.Repeat, ctl.lblRepeat,
                             FormParts::Hover(ctl.Repeat, ctl.Timer), Repeat_Click);
    // Form_Load shows the buttons of the layout; Cancel's image stays from the design.
    for (const FormParts::ControlRef& hidden : {ctl.Ok, ctl.lblOk, ctl.lblCancel, ctl.Repeat, ctl.lblRepeat})
        hidden->SetVisible(false);

    ctl.DebugImg = Place(f, ui::Kind::Image, L"DebugImg", nullptr, 0, 0, 33, 113);
    ctl.DebugImg->OnMouseDown = DebugImg_MouseDown;
    ctl.DefaultButton = FormParts::Proxy(f, L"DefaultButton", DefaultButton_Click);
    ctl.DefaultButton->SetDefault(true);
    ctl.CancelButton = FormParts::Proxy(f, L"CancelButton", Cancel_Click);
    ctl.CancelButton->SetCancel(true);
}

bool AsksRepeat() { return Rs.MessageButtons == kRepeatCancel; }

void Answer(bool repeat) {
    Rs.MessageRepeat = repeat;
    Clicks::MessageClosed();
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmMessage");
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

void Unload() { Instance().Unload(); }

void Form_Load() {
    ui::Form& f = Instance();
    // 1. The background over the whole dialog.
    ui::Control& image1 = *ctl.Image1;
    image1.SetStretch(true);
    image1.SetPicture(IDB_PAGE);
    image1.Move(0, 0, f.ScaleWidth(), f.ScaleHeight());
    image1.ZOrder(1);
    // 2. Over the main window's page area.
    FormParts::PlaceOnPageArea(f);
    // 3. The keyboard proxies out of sight.
    ctl.DefaultButton->SetTop(-10000);
    ctl.CancelButton->SetTop(-10000);
    // 4-5.
    FormParts::SetVersion(*ctl.Version, f.ScaleWidth());
    for (const FormParts::ControlRef& image : {ctl.Cancel, ctl.Ok, ctl.Repeat}) image->SetPicture(IDB_BUTTON);
    // 6. Without a language library (message 9999) OK is the program's own "&OK".
    Functions::SetLabelText(*ctl.lblCancel, ResHandling::GetLanguageString(2), f);
    Functions::SetLabelText(*ctl.lblRepeat, ResHandling::GetLanguageString(8), f);
    std::wstring ok = Rs.MessageId == IDS_NO_LANGUAGE ? StringTable::ProgramString(IDS_OK_CAPTION)
                                                      : ResHandling::GetLanguageString(5);
    Functions::SetLabelText(*ctl.lblOk, ok, f);
    // 7.
    ctl.Label->SetCaption(ResHandling::GetLanguageString(Rs.MessageId));
    // 8. The buttons of the layout, centred.
    float inner = f.ScaleWidth();
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
    // 9.
    image1.ZOrder(1);
    TopMost::SetTopMost(f.Handle());
}

void Form_QueryUnload(bool& cancel, int mode) {
    (void)cancel;
    if (mode != ui::kUnloadFormCode) ProgramEnd::AbortWizard();
}

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
