#include "dialogs/frmMessage.h"

#include "core/Clicks.h"
#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "dialogs/FormParts.h"
#include "dialogs/PictureButtons.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/StringTable.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace frmMessage {

namespace {

using FormParts::Caption;
using FormParts::Place;

constexpr int16_t kRepeatCancel = 5;
constexpr float kGap = 10;

ui::Control& Item(const wchar_t* name) { return Instance().Item(name); }

void Design(ui::Form& f) {
    FormParts::DesignDialog(f, L"Wizard");
    Place(f, ui::Kind::Image, L"Image1", nullptr, 0, 0, FormParts::kDialogWidth, FormParts::kDialogHeight);
    ui::Control& text = FormParts::Text(f, L"Label", nullptr, 30, 112, 409, 217);
    text.SetAlignment(ui::kAlignCenter);
    FormParts::Version(f, nullptr);

    ui::Control& timer = FormParts::NewTimer(f, L"Timer", 50, Timer_Timer);
    struct Button {
        const wchar_t* image;
        const wchar_t* caption;
        float left, captionTop;
        void (*click)();
        bool visible;
    } buttons[] = {{L"Ok", L"lblOk", 104, 345, Ok_Click, false},
                   {L"Cancel", L"lblCancel", 248, 345, Cancel_Click, true},
                   {L"Repeat", L"lblRepeat", 360, 344, Repeat_Click, false}};
    for (const Button& b : buttons) {
        ui::Control& image = Place(f, ui::Kind::Image, b.image, nullptr, b.left, 340, 96, 23);
        ui::Control& caption = Caption(f, b.caption, nullptr, b.left, b.captionTop);
        image.SetVisible(b.visible);
        caption.SetVisible(false);
        ui::Control* img = &image;
        ui::Control* tmr = &timer;
        PictureButtons::Wire(
            image, caption, [img, tmr](const ui::MouseArgs&) { PictureButtons::HoverStart(*img, *tmr); }, b.click);
    }

    Place(f, ui::Kind::Image, L"DebugImg", nullptr, 0, 0, 33, 113).OnMouseDown = DebugImg_MouseDown;
    FormParts::Proxy(f, L"DefaultButton", DefaultButton_Click).SetDefault(true);
    FormParts::Proxy(f, L"CancelButton", Cancel_Click).SetCancel(true);
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
    ui::Control& image1 = Item(L"Image1");
    image1.SetStretch(true);
    image1.SetPicture(IDB_PAGE);
    image1.Move(0, 0, f.ScaleWidth(), f.ScaleHeight());
    image1.ZOrder(1);
    // 2. Over the main window's page area.
    FormParts::PlaceOnPageArea(f);
    // 3. The keyboard proxies out of sight.
    Item(L"DefaultButton").SetTop(-10000);
    Item(L"CancelButton").SetTop(-10000);
    // 4-5.
    FormParts::SetVersion(Item(L"Version"), f.ScaleWidth());
    for (const wchar_t* name : {L"Cancel", L"Ok", L"Repeat"}) Item(name).SetPicture(IDB_BUTTON);
    // 6. Without a language library (message 9999) OK is the program's own "&OK".
    Functions::SetLabelText(Item(L"lblCancel"), ResHandling::GetLanguageString(2), f);
    Functions::SetLabelText(Item(L"lblRepeat"), ResHandling::GetLanguageString(8), f);
    std::wstring ok = Rs.MessageId == IDS_NO_LANGUAGE ? StringTable::ProgramString(IDS_OK_CAPTION)
                                                      : ResHandling::GetLanguageString(5);
    Functions::SetLabelText(Item(L"lblOk"), ok, f);
    // 7.
    Item(L"Label").SetCaption(ResHandling::GetLanguageString(Rs.MessageId));
    // 8. The buttons of the layout, centred.
    float inner = f.ScaleWidth();
    if (Rs.MessageButtons == 0) {
        ui::Control& okImage = Item(L"Ok");
        ui::Control& okCaption = Item(L"lblOk");
        okImage.SetVisible(true);
        okCaption.SetVisible(true);
        Item(L"Cancel").SetVisible(false);
        okImage.SetLeft((inner - okImage.Width()) / 2);
        okCaption.SetLeft(okImage.Left());
    } else if (AsksRepeat()) {
        Item(L"lblRepeat").SetTabIndex(0);
        Item(L"DefaultButton").SetTabIndex(1);
        Item(L"lblCancel").SetTabIndex(2);
        Item(L"CancelButton").SetTabIndex(3);
        ui::Control& repeat = Item(L"Repeat");
        ui::Control& cancel = Item(L"Cancel");
        for (const wchar_t* name : {L"Repeat", L"lblRepeat", L"Cancel", L"lblCancel"}) Item(name).SetVisible(true);
        repeat.SetLeft((inner - (repeat.Width() + cancel.Width() + kGap)) / 2);
        Item(L"lblRepeat").SetLeft(repeat.Left());
        cancel.SetLeft(repeat.Left() + repeat.Width() + kGap);
        Item(L"lblCancel").SetLeft(cancel.Left());
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

void Timer_Timer() { PictureButtons::HoverTick(Item(L"Timer")); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

}  // namespace frmMessage
