#include "core/FormHandling.h"

#include "core/RunState.h"
#include "core/frmMain.h"
#include "dialogs/frmCloseApp.h"
#include "dialogs/frmMessage.h"
#include "inspection/IrDAPorts.h"
#include "platform/IniHand.h"
#include "platform/TopMost.h"

namespace FormHandling {

namespace {

ui::Form& Main() { return Rs.CurrentForm ? *Rs.CurrentForm : frmMain::Instance(); }
ui::Control& Item(const wchar_t* name) { return Main().Item(name); }

void ToBack() { Item(L"Image1").ZOrder(1); }

void ShowCancel() {
    Item(L"Cancel").SetVisible(true);
    Item(L"lblCancel").SetVisible(true);
    Item(L"CancelButton").SetEnabled(true);
}

void ShowForward() {
    Item(L"Forward").SetVisible(true);
    Item(L"lblForward").SetVisible(true);
    ui::Control& button = Item(L"ForwardButton");
    button.SetEnabled(true);
    button.SetDefault(true);
}

void ShowMain(int16_t page) {
    ToBack();
    Main().Show();
    TopMost::SetTopMost(Main().Handle());
    Rs.CurrentPage = page;
}

// A choice page: the page text hidden, Cancel and Forward offered. The
// choice controls themselves (infrared or cable; automatic or manual port
// search) come with their modules.
void ShowChoicePage(int16_t page, const wchar_t* logLine) {
    IniHand::WriteLog(logLine);
    Item(L"Label").SetVisible(false);
    ToBack();
    if (page == 2) CheckIRDA::CheckIRDA();
    ShowCancel();
    ShowForward();
    ShowMain(page);
}

}  // namespace

void ShowPage(int16_t page) {
    switch (page) {
        case 1:
            frmCloseApp::Show();
            Rs.CurrentPage = 1;
            break;
        case 2: ShowChoicePage(2, L"user choice IRDA or COM"); break;
        case 4: ShowChoicePage(4, L"user choice automatic or manuel COM-Selection"); break;
        // Pages 3, 5, 6, 7 and 14 come with the installation steps.
        default: break;
    }
}

void HidePage(int16_t page) {
    switch (page) {
        case 1: frmCloseApp::Instance().Unload(); break;
        case 3:
            for (const wchar_t* name : {L"Progressbar", L"Cancel", L"Forward", L"lblCancel", L"lblForward"})
                Item(name).SetVisible(false);
            break;
        case 15: frmMessage::Unload(); break;
        default: break;
    }
}

}  // namespace FormHandling
