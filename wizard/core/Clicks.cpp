#include "core/Clicks.h"

#include "core/FormHandling.h"
#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "dialogs/frmQueryCancel.h"
#include "platform/RegAccess.h"
#include "platform/TopMost.h"

namespace Clicks {

namespace {

void ForwardFromPage1() {
    // HidePage(1) has unloaded frmCloseApp, whose unload brought up frmMain.
    TopMost::HideTaskbar();
    if (Rs.OsName != L"WinNT") {
        FormHandling::ShowPage(2);
        return;
    }
    std::wstring key = L"Software\\" + Rs.ProductName;
    if (!RegAccess::KeyExists(false, RegAccess::kLocalMachine, key, L""))
        RegAccess::CreateKey(RegAccess::kLocalMachine, key);
    RegAccess::SetText(RegAccess::kLocalMachine, key, L"InstalledDevices", L"3");
    FormHandling::ShowPage(4);
}

}  // namespace

void ForwardClick() {
    FormHandling::HidePage(Rs.CurrentPage);
    switch (Rs.CurrentPage) {
        case 1: ForwardFromPage1(); break;
        // Pages 2 to 7 act and move on once they have their content (choices,
        // port search, installation, reboot).
        default: break;
    }
}

void CancelClick() {
    switch (Rs.CurrentPage) {
        case 1: ProgramEnd::AbortWizard();
        case 2:
        case 3:
        case 4:
        case 5:
        case 7: frmQueryCancel::Show(); break;
        default: break;
    }
}

void MessageClosed() {
    Rs.MessageButtons = 0;
    FormHandling::HidePage(15);
}

void FinishClick() { ProgramEnd::EndWizard(); }

}  // namespace Clicks
