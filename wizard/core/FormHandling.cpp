#include "core/FormHandling.h"

#include "choice/CreateComChoice.h"
#include "choice/CreateComList.h"
#include "choice/CreateIRDAChoice.h"
#include "choice/OptionGroups.h"
#include "core/RunState.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "dialogs/frmCloseApp.h"
#include "dialogs/frmMessage.h"
#include "inspection/CheckIRDA.h"
#include "install/WriteSetupData.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/IniHand.h"
#include "platform/TopMost.h"

namespace FormHandling {

namespace {

// The main window's controls (loads it).
const frmMain::Controls& Main() { return frmMain::Ctl(); }

// The page background stays behind whatever a page adds.
void ToBack() { Main().Image1->ZOrder(1); }

void SetCancel(bool shown) {
    Main().Cancel->SetVisible(shown);
    Main().lblCancel->SetVisible(shown);
    Main().CancelButton->SetEnabled(shown);
}

// Forward and its keyboard proxy go together: Enter must not go on from a
// page whose Forward is hidden (no port chosen yet, installer running, the
// infrared modem not registered yet).
void SetForward(bool shown) {
    Main().Forward->SetVisible(shown);
    Main().lblForward->SetVisible(shown);
    ui::Control& button = *Main().ForwardButton;
    button.SetEnabled(shown);
    if (shown) button.SetDefault(true);
}

void ShowText(int16_t id) {
    ui::Control& label = *Main().Label;
    label.SetVisible(true);
    label.SetCaption(ResHandling::GetLanguageString(id));
}

void Show(int16_t page, bool topMost) {
    ToBack();
    MainForm().Show();
    if (topMost) TopMost::SetTopMost(MainForm().Handle());
    Rs.CurrentPage = page;
}

// Pages 2 and 4: a choice built at run time in place of the page text.
void ShowChoice(int16_t page, const wchar_t* logLine, void (*build)()) {
    IniHand::WriteLog(logLine);
    Main().Label->SetVisible(false);
    ToBack();
    if (page == 2) CheckIRDA::CheckIRDA();
    build();
    OptionGroups::Focus();
    SetCancel(true);
    SetForward(true);
    Show(page, true);
}

void ShowPortList() {
    IniHand::WriteLog(L"user choice manuel COM-Port");
    Main().Label->SetVisible(false);
    ToBack();
    CreateComList::BuildComList();
    CreateComList::FillComList();
    Rs.NoPortSkip = false;
    if (!Rs.ComPortsFound) {
        IniHand::WriteLog(L"No ComPorts found");
        // Infrared needs no serial port: the driver goes straight into the
        // system and the list is never shown.
        if (Rs.UseIrDA) {
            Rs.CurrentPage = 5;
            Rs.NoPortSkip = true;
            CreateComList::RemoveComList();
            WriteSetupData::WriteSetupData();
            ShowPage(3);
            return;
        }
    }
    SetCancel(true);
    SetForward(false);  // until an entry of the list is chosen
    if (ui::Control* list = MainForm().Find(L"lstCom")) list->SetFocus();
    Show(5, false);
}

void ShowRebootRequest() {
    ToBack();
    Main().Label->SetVisible(true);
    SetCancel(false);
    SetForward(true);
    Functions::SetLabelText(*Main().lblForward, ResHandling::GetLanguageString(5), MainForm());
    ShowText(2004);
    Show(6, false);
}

void ShowInfraredWait() {
    IniHand::WriteLog(L"user must put his handy to the IRDA-Device on the pc");
    ToBack();
    SetCancel(true);
    SetForward(false);  // IrDATimer shows it
    ShowText(2005);
    Show(7, false);
    if (Rs.OsName == L"WinXP" || Rs.OsName == L"Win2K") StartInstaller(true);
    Rs.IrDATimerTicks = 0;
    Main().IrDATimer->SetEnabled(true);
}

void ShowFinish() {
    ToBack();
    SetCancel(false);
    Functions::SetLabelText(*Main().lblFinish, ResHandling::GetLanguageString(4), MainForm());
    SetForward(false);
    ui::Control& finish = *Main().FinishButton;
    finish.SetEnabled(true);
    Main().Finish->SetVisible(true);
    Main().lblFinish->SetVisible(true);
    finish.SetDefault(true);
    ShowText(2003);
    MainForm().Show();
    finish.SetFocus();
    ToBack();
}

}  // namespace

void HideButtons() {
    const frmMain::Controls& c = Main();
    for (const FormParts::ControlRef& shown : {c.Cancel, c.lblCancel, c.Forward, c.lblForward})
        shown->SetVisible(false);
}

ui::Form& MainForm() { return Rs.CurrentForm ? *Rs.CurrentForm : frmMain::Instance(); }

std::wstring InstallerCommand(bool infrared) {
    return runApp::ProgramPath(Rs.WorkDir + L"kt\\cm_32.exe") + L" " + runApp::Argument(Rs.WorkDir, L"\\kt\\") + L" " +
           runApp::Argument(Rs.TriggerFile) + (infrared ? L" 1" : L" 0");
}

void StartInstaller(bool infrared) {
    Rs.InstallerStarted = true;
    runApp::StartCompanion(InstallerCommand(infrared));
}

void ShowPage(int16_t page) {
    switch (page) {
        case 1:
            frmCloseApp::Show();
            Rs.CurrentPage = 1;
            break;
        case 2: ShowChoice(2, L"user choice IRDA or COM", CreateIRDAChoice::BuildIRDAChoice); break;
        case 3:
            ShowText(2001);
            ToBack();
            SetCancel(true);
            SetForward(true);
            Show(3, true);
            break;
        case 4: ShowChoice(4, L"user choice automatic or manuel COM-Selection", CreateComChoice::BuildComChoice); break;
        case 5: ShowPortList(); break;
        case 6: ShowRebootRequest(); break;
        case 7: ShowInfraredWait(); break;
        case 14: ShowFinish(); break;
        default: break;
    }
}

void HidePage(int16_t page) {
    switch (page) {
        case 1: frmCloseApp::Instance().Unload(); break;
        case 3: {
            const frmMain::Controls& c = Main();
            for (const FormParts::ControlRef& shown : {c.Progressbar, c.Cancel, c.Forward, c.lblCancel, c.lblForward})
                shown->SetVisible(false);
            // Nothing on the page answers a key while the installer runs.
            c.CancelButton->SetEnabled(false);
            c.ForwardButton->SetEnabled(false);
            break;
        }
        case 15: frmMessage::Unload(); break;
        default: break;
    }
}

}  // namespace FormHandling
