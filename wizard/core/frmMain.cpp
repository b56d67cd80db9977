#include "core/frmMain.h"

#include "choice/OptionGroups.h"
#include "choice/optionclick.h"
#include "core/BrowseFolder.h"
#include "core/Clicks.h"
#include "core/ExchangeFile.h"
#include "core/FormHandling.h"
#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "core/runApp.h"
#include "dialogs/FormParts.h"
#include "dialogs/PictureButtons.h"
#include "dialogs/frmMessage.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"
#include "platform/TopMost.h"
#include "platform/progress.h"
#include "resources/resource_ids.h"

namespace frmMain {

int16_t ProgressValue = 0;

namespace {

using FormParts::NewTimer;
using FormParts::Place;
using FormParts::Proxy;

Controls ctl;

// The design-time window: every control at its place, events connected.
void Design(ui::Form& f) {
    ctl = Controls{};
    f.SetRightToLeft(ResHandling::RightToLeft());
    f.SetCaption(L"Wizard");
    f.SetBorderStyle(0);
    f.Move(0, 0);
    f.SetClientSize(static_cast<float>(ui::ScreenWidth()), static_cast<float>(ui::ScreenHeight()));
    f.SetMouseIcon(IDC_POINTER);

    ctl.imgFullscreen = Place(f, ui::Kind::Image, L"imgFullscreen", nullptr, 0, 0, 800, 600);
    ui::Control* page = f.Add(ui::Kind::PictureBox, L"picPage");
    if (page) {
        page->Move(196, 107, 460, 447);
        ctl.picPage = *page;
    }

    ctl.Image1 = Place(f, ui::Kind::Image, L"Image1", page, 0, 0, 460, 447);
    ctl.Label = FormParts::Text(f, L"Label", page, 30, 112, 409, 217);

    ui::Control& bar = Place(f, ui::Kind::PictureBox, L"Progressbar", page, 30, 328, 409, 25);
    bar.SetBorderStyle(1);
    bar.SetForeColor(FormParts::kTextColor);
    bar.SetBackColor(ui::kWhite);
    bar.SetRole(ui::Role::ProgressBar);
    bar.SetVisible(false);
    ctl.Progressbar = bar;
    ui::Control& status = Place(f, ui::Kind::Label, L"trglabel", page, 24, 360, 393, 25);
    status.SetForeColor(FormParts::kTextColor);
    status.SetCaption(L".");
    status.SetVisible(false);
    ctl.trglabel = status;

    ctl.Version = FormParts::Version(f, page);

    ctl.Timer = NewTimer(f, L"Timer", 100, Timer_Timer);
    FormParts::PictureButton(f, page, L"Cancel", {132, 340, 344}, ctl.Cancel, ctl.lblCancel, Cancel_MouseMove,
                             Cancel_Click);
    FormParts::PictureButton(f, page, L"Finish", {182, 340, 345}, ctl.Finish, ctl.lblFinish, Finish_MouseMove,
                             Finish_Click);
    ctl.Finish->SetVisible(false);
    ctl.lblFinish->SetVisible(false);
    FormParts::PictureButton(f, page, L"Forward", {232, 340, 345}, ctl.Forward, ctl.lblForward, Forward_MouseMove,
                             Forward_Click);

    ctl.DebugImg = Place(f, ui::Kind::Image, L"DebugImg", page, 0, 0, 33, 113);
    ctl.DebugImg->OnMouseDown = DebugImg_MouseDown;

    ctl.CancelButton = Proxy(f, L"CancelButton", Cancel_Click);
    ctl.CancelButton->SetCancel(true);
    ctl.FinishButton = Proxy(f, L"FinishButton", Finish_Click);
    ctl.FinishButton->SetEnabled(false);
    ctl.ForwardButton = Proxy(f, L"ForwardButton", Forward_Click);
    ctl.ForwardButton->SetDefault(true);
    // The focus of a proxy shows on the picture button it stands for. A page
    // without options or list opens with the focus on Forward, which Enter
    // presses; Tab goes on to Cancel.
    ctl.ForwardButton->SetTabIndex(0);
    ctl.CancelButton->SetTabIndex(1);
    ctl.FinishButton->SetTabIndex(1);
    ctl.CancelButton->SetFocusShownOn(&*ctl.Cancel);
    ctl.FinishButton->SetFocusShownOn(&*ctl.Finish);
    ctl.ForwardButton->SetFocusShownOn(&*ctl.Forward);

    ctl.InstallTimer = NewTimer(f, L"InstallTimer", 2000, InstallTimer_Timer);
    ctl.IrDATimer = NewTimer(f, L"IrDATimer", 500, IrDATimer_Timer);
    ctl.dummyTimer = NewTimer(f, L"dummyTimer", 2000, dummyTimer_Timer);
}

// A choice control that pages 2, 4 and 5 created at run time.
ui::Control& Choice(const wchar_t* name) { return Instance().Item(name); }

void StopHover() { Ctl().Timer->SetEnabled(false); }

constexpr int16_t kCompanionError = 101;
constexpr int16_t kCompanionCancelled = 102;

// The companion ended with an error or by the user's cancel: the message's
// only answer ends the wizard.
void StopWithMessage(ui::Control& timer, int16_t message) {
    timer.SetEnabled(false);
    runApp::CompanionReported();
    Rs.MessageId = message;
    Rs.MessageButtons = 0;
    Ctl().trglabel->SetVisible(false);
    frmMessage::ShowModal();
}

// A companion that could not be started, or has ended without its last
// report: the error it is, as its "error" would be. Not while a folder
// dialog that it asked for is open: the user answers that first.
void StopIfEndedUnreported(ui::Control& timer, const wchar_t* section, const std::wstring& progress,
                           const std::wstring& text) {
    if (!timer.Enabled() || Rs.DirectoryRequestBusy) return;
    std::wstring seen = progress + L"\n" + text + L"\n" + ExchangeFile::Read(section, L"GetDirectory", L"0");
    if (!runApp::CompanionEndedUnreported(seen)) return;
    IniHand::WriteLog(std::wstring(L"companion ended without report: ") + section);
    StopWithMessage(timer, kCompanionError);
}

// A companion asks for a folder ("GetDirectory" = 1). One dialog at a time:
// ticks keep coming while it is open.
void AnswerFolderRequest(const wchar_t* section) {
    int16_t request = 0;
    if (!ExchangeFile::ToNumber(ExchangeFile::Read(section, L"GetDirectory", L"0"), &request) || request != 1) return;
    if (Rs.DirectoryRequestBusy) return;
    Rs.DirectoryRequestBusy = true;
    BrowseFolder::AnswerDirectoryRequest(Instance().Handle(), section);
}

}  // namespace

ui::Form& Instance() {
    static ui::Form form(L"frmMain");
    [[maybe_unused]] static const bool wired = FormParts::Wire(form, {Design, Form_Load, Form_QueryUnload, nullptr});
    return form;
}

const Controls& Ctl() { return FormParts::Loaded(Instance(), ctl); }

bool PageAreaOnScreen(int32_t* x, int32_t* y) {
    ui::Form& f = Instance();
    if (!f.IsLoaded()) return false;
    // Read without loading: a window not loaded has no page area on screen.
    if (!ctl.picPage->IsAlive()) return false;
    ui::Rect r = ctl.picPage->FormRect();
    f.ClientToScreen(static_cast<float>(r.left), static_cast<float>(r.top), x, y);
    return true;
}

void AttachEvents(ui::Control& control) {
    if (OptionGroups::Attach(control)) return;
    if (ui::SameName(control.Name(), L"lstCom")) control.OnClick = lstCom_Click;
}

void Form_Load() {
    ui::Form& f = Instance();
    // The keyboard proxies only carry Enter and Esc: out of sight.
    for (const FormParts::ControlRef& button : {ctl.ForwardButton, ctl.FinishButton, ctl.CancelButton})
        button->SetLeft(-10000);
    // Black around the 800 x 600 background on a larger screen.
    f.SetBackColor(ui::kBlack);
    ui::Control& page = *ctl.picPage;
    ui::Control& image1 = *ctl.Image1;
    image1.SetPicture(IDB_PAGE);
    image1.SetStretch(true);
    image1.Move(0, 0, page.Width(), page.Height());
    ui::Control& full = *ctl.imgFullscreen;
    full.SetPicture(IDB_SCREEN);
    for (const FormParts::ControlRef& image : {ctl.Forward, ctl.Cancel, ctl.Finish}) image->SetPicture(IDB_BUTTON);
    // The captions in the language's character set, fitted to the buttons.
    Functions::SetLabelText(*ctl.lblForward, ResHandling::GetLanguageString(1), f);
    Functions::SetLabelText(*ctl.lblCancel, ResHandling::GetLanguageString(2), f);
    Functions::SetLabelText(*ctl.lblFinish, ResHandling::GetLanguageString(4), f);
    // Not modal: from here on the wizard lives in its events.
    f.Show();
    // The background centred on the screen, the page area at its place on it:
    // on its shadow, which a right-to-left window does not mirror (a picture
    // keeps its orientation), 196 pixels from the picture's left edge.
    full.Move((f.ScaleWidth() - full.Width()) / 2, (f.ScaleHeight() - full.Height()) / 2);
    float pageLeft = f.RightToLeft() ? full.Width() - 196 - page.Width() : 196;
    page.Move(full.Left() + pageLeft, full.Top() + 107);
    // The version text right-aligned at the top of the page area.
    FormParts::SetVersion(*ctl.Version, page.Width());
    // Above every other window, as all the wizard's windows are.
    TopMost::SetTopMost(f.Handle());
    IniHand::WriteLog(L"frmain after topmost");
}

void Form_QueryUnload(bool& cancel, int mode) {
    // The end of the session or a close sent while a program is waited for:
    // declined, the step goes on (runApp::KeepOpen).
    if (runApp::KeepOpen(mode)) {
        cancel = true;
        return;
    }
    // Only the program's own unload closes the window quietly.
    if (mode != ui::kUnloadFormCode) ProgramEnd::AbortWizard();
}

void Forward_Click() {
    StopHover();
    Clicks::ForwardClick();
}

void Cancel_Click() {
    StopHover();
    Clicks::CancelClick();
}

void Finish_Click() { Clicks::FinishClick(); }

void Forward_MouseMove(const ui::MouseArgs&) { PictureButtons::HoverStart(*Ctl().Forward, *Ctl().Timer); }
void Cancel_MouseMove(const ui::MouseArgs&) { PictureButtons::HoverStart(*Ctl().Cancel, *Ctl().Timer); }
void Finish_MouseMove(const ui::MouseArgs&) { PictureButtons::HoverStart(*Ctl().Finish, *Ctl().Timer); }

void Timer_Timer() { PictureButtons::HoverTick(*Ctl().Timer); }

void DebugImg_MouseDown(const ui::MouseArgs& args) { PictureButtons::MinimiseGesture(Instance(), args); }

// The choice controls of pages 2 and 4 (their texts click through to these).
// A disabled option or text raises no click.
void optIRDA_Click() { optionclick::SelectIRDAOption(Choice(L"optIRDA")); }
void optNoIRDA_Click() { optionclick::SelectIRDAOption(Choice(L"optNoIRDA")); }
void optCom_Click() { optionclick::SelectComOption(Choice(L"optCom")); }
void optManCom_Click() { optionclick::SelectComOption(Choice(L"optManCom")); }

void lstCom_Click() {
    const Controls& c = Ctl();
    c.lblForward->SetVisible(true);
    c.Forward->SetVisible(true);
    c.ForwardButton->SetEnabled(true);
}

// The watch timers. Each step of a tick runs even when an earlier one found
// nothing usable; a value that is not a number waits for the next tick.

void dummyTimer_Timer() {
    const Controls& c = Ctl();
    ui::Control& timer = *c.dummyTimer;
    std::wstring progress = ExchangeFile::Read(L"CM_32", L"trigger", L"");
    ExchangeFile::ToProgress(progress, &ProgressValue);
    std::wstring text = ExchangeFile::Read(L"CM_32", L"triggertext", L"");
    if (text == L"error") StopWithMessage(timer, kCompanionError);
    if (text == L"cancel") StopWithMessage(timer, kCompanionCancelled);
    int16_t id = 0;
    if (ExchangeFile::ToNumber(text, &id)) c.trglabel->SetCaption(ResHandling::GetLanguageString(id));
    progress::ShowProgress(*c.Progressbar, ProgressValue, 0, 100);
    if (ProgressValue > 100) {
        IniHand::WriteLog(L"systemcheck and modeminstallation ready");
        timer.SetEnabled(false);
        runApp::CompanionReported();
        c.trglabel->SetVisible(false);
        FormHandling::HidePage(3);
        FormHandling::ShowPage(Rs.UseIrDA ? 7 : 14);
    }
    AnswerFolderRequest(L"CM_32");
    StopIfEndedUnreported(timer, L"CM_32", progress, text);
}

void InstallTimer_Timer() {
    ui::Control& timer = *Ctl().InstallTimer;
    std::wstring progress = ExchangeFile::Read(L"IrDA", L"trigger", L"0");
    ExchangeFile::ToProgress(progress, &ProgressValue);
    std::wstring text = ExchangeFile::Read(L"IrDA", L"triggertext", L"");
    if (text == L"error") StopWithMessage(timer, kCompanionError);
    if (text == L"cancel") StopWithMessage(timer, kCompanionCancelled);
    if (ProgressValue > 100) {
        IniHand::WriteLog(L"ME-Patch installation ready");
        timer.SetEnabled(false);
        runApp::CompanionReported();
        FormHandling::ShowPage(6);
    }
    AnswerFolderRequest(L"IrDA");
    StopIfEndedUnreported(timer, L"IrDA", progress, text);
}

void IrDATimer_Timer() {
    ++Rs.IrDATimerTicks;
    Rs.IrDATimerLimit = Rs.OsName == L"WinXP" ? 241 : 61;
    bool nt = Rs.OsName == L"Win2K" || Rs.OsName == L"WinXP";
    const std::wstring modems =
        nt ? L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}\\000"
           : L"System\\CurrentControlSet\\Services\\Class\\Modem\\000";
    const std::wstring wanted = StringTable::ProgramString(1017);
    for (int d = 0; d <= 9 && !wanted.empty(); ++d) {
        std::wstring desc =
            RegAccess::GetText(RegAccess::kLocalMachine, modems + std::to_wstring(d), L"DriverDesc", L"");
        if (desc.find(wanted) != std::wstring::npos) {
            Rs.IrDATimerTicks = static_cast<int16_t>(Rs.IrDATimerLimit + 2);
            break;
        }
    }
    if (Rs.IrDATimerTicks > Rs.IrDATimerLimit) {
        const Controls& c = Ctl();
        c.IrDATimer->SetEnabled(false);
        // The installer of 2000 and XP has registered the modem, or its time is up.
        runApp::CompanionReported();
        c.Forward->SetVisible(true);
        c.lblForward->SetVisible(true);
        ui::Control& button = *c.ForwardButton;
        button.SetEnabled(true);
        button.SetDefault(true);
        Instance().Refresh();
    }
}

}  // namespace frmMain
