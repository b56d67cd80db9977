#include "core/Clicks.h"

#include <algorithm>
#include <vector>

#include "choice/CreateComChoice.h"
#include "choice/CreateComList.h"
#include "choice/CreateIRDAChoice.h"
#include "core/ExchangeFile.h"
#include "core/FormHandling.h"
#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "core/ShutDown.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "dialogs/frmQueryCancel.h"
#include "inspection/ComPorts.h"
#include "inspection/DetectComModem.h"
#include "inspection/GetIRDADevice.h"
#include "install/InstallIRDAPatches.h"
#include "install/WriteSetupData.h"
#include "localisation/ResHandling.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"
#include "platform/TopMost.h"
#include "platform/sys/Files.h"
#include "platform/ui/Ui.h"

namespace Clicks {

namespace {

const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The main window's controls (loads it).
const frmMain::Controls& Main() { return frmMain::Ctl(); }

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

// The Windows ME infrared patch gets the first COM port that nothing uses,
// within COM1 to COM9 (it takes one digit): no port of the map, a modem's or
// a Bluetooth link's neither.
std::wstring FirstFreePort() {
    std::vector<int16_t> named = ComPorts::NamedPorts();
    for (int16_t n = 1; n <= 9; ++n)
        if (std::find(named.begin(), named.end(), n) == named.end()) return L"COM" + std::to_wstring(n);
    return L"";
}

void ForwardFromPage2() {
    CreateIRDAChoice::RemoveIRDAChoice();
    FormHandling::HideButtons();
    Main().CancelButton->SetEnabled(false);
    Main().ForwardButton->SetEnabled(false);
    if (!Rs.UseIrDA) {
        IniHand::WriteLog(L"user choice IRDA or COM : COM");
        FormHandling::ShowPage(4);
        return;
    }
    IniHand::WriteLog(L"user choice IRDA or COM : IRDA");
    if (Rs.OsName == L"WinXP" || Rs.OsName == L"Win2K") {
        InstallIRDAPatches::InstallIRDAPatches();
        FormHandling::ShowPage(Rs.OsName == L"WinXP" || Rs.IrCommHotfixInstalled ? 5 : 6);
    } else if (Rs.IrDANeedsMEPatch) {
        Rs.IrDAPatchPort = FirstFreePort();
        IniHand::WriteLog(L"starting install of ME-Patch");
        runApp::StartCompanion(runApp::ProgramPath(Rs.WorkDir + L"kt\\irdame.exe") + L" " + Rs.IrDAPatchPort + L" " +
                               runApp::Argument(Rs.TriggerFile));
        // The page stays, without buttons, until InstallTimer moves on.
        Main().InstallTimer->SetEnabled(true);
    } else {
        FormHandling::ShowPage(5);
    }
}

void ForwardFromPage3() {
    const frmMain::Controls& c = Main();
    c.Label->SetCaption(ResHandling::GetLanguageString(2001));
    c.Progressbar->SetVisible(true);
    c.trglabel->SetVisible(true);
    IniHand::WriteLog(L"starting systemcheck and modeminstallation");
    FormHandling::StartInstaller(false);
    c.dummyTimer->SetEnabled(true);
}

void ForwardFromPage4() {
    CreateComChoice::RemoveComChoice();
    if (Rs.AutoPortSearch) {
        FormHandling::ShowPage(DetectComModem::DetectComModem());
        return;
    }
    IniHand::WriteLog(L"user choice automatic or manuel COM-Selection: manuel");
    FormHandling::ShowPage(5);
}

void ForwardFromPage5() {
    ui::Control* list = FormHandling::MainForm().Find(L"lstCom");
    std::wstring port = list ? list->Text() : L"";
    // Forward is offered only once an entry is chosen; without one there is
    // no port to go on with.
    if (port.empty()) return;
    // The port may have gone since the list was filled (a USB-serial cable
    // pulled): the list again, as the system has it now, rather than an
    // installation on a port that is not there.
    int16_t number = 0;
    if (port.compare(0, 3, L"COM") == 0 && ExchangeFile::ToNumber(port.substr(3), &number) &&
        !ComPorts::IsComPortPresent(number)) {
        IniHand::WriteLog(L"COM-Port gone: " + port);
        CreateComList::RemoveComList();
        FormHandling::ShowPage(5);
        return;
    }
    Rs.PortSearchResult = port;
    IniHand::WriteLog(L"user choice manuel COM-Port: " + Rs.PortSearchResult);
    Rs.ComPort = Rs.PortSearchResult;
    Rs.ModemName = StringTable::ProgramString(1004);
    CreateComList::RemoveComList();
    WriteSetupData::WriteSetupData();
    FormHandling::ShowPage(3);
}

// Made anew: a file of that name that somebody else put there (in the root
// of C: any user may) is not opened, nor the file a hard link of it names.
bool CreateMarker(const std::wstring& path) {
    sys::SetFileAttributes(path, sys::kAttrNormal);
    sys::DeleteFile(path);
    return sys::CreateNewFile(path);
}

// The markers that make the next start resume at the port list.
[[noreturn]] void ForwardFromPage6() {
    const bool resumable = CreateMarker(Rs.TempDir + L"kti.kti");
    CreateMarker(L"c:\\gprs.kti");
    IniHand::WriteLog(L"reboot system after installing IRDA-Patches");
    // Without the state file the Run value would start the wizard afresh at
    // every log-on; started by hand, it begins afresh once. Quoted where the
    // path holds a blank: Windows reads the value as a command line and would
    // try "C:\Documents.exe" first.
    if (resumable)
        RegAccess::SetText(RegAccess::kLocalMachine, kRunKey, L"kt",
                           runApp::ProgramPath(Rs.WorkDir + L"kt\\wizard.exe"));
    // Windows 2000 restarts only when every program agrees (EWX_FORCEIFHUNG);
    // when one refuses, the wizard has ended all the same.
    TopMost::ShowTaskbar();
    ShutDown::RebootSystem();
}

void ForwardFromPage7() {
    ui::Form& main = FormHandling::MainForm();
    Main().Label->SetCaption(GetIRDADevice::AttemptText(1));
    FormHandling::HideButtons();
    main.Refresh();
    main.SetMousePointer(ui::kPointerHourglass);
    GetIRDADevice::DetectIrDAModem();
    main.SetMousePointer(ui::kPointerCustom);
    FormHandling::ShowPage(14);
}

}  // namespace

void ForwardClick() {
    FormHandling::HidePage(Rs.CurrentPage);
    switch (Rs.CurrentPage) {
        case 1: ForwardFromPage1(); break;
        case 2: ForwardFromPage2(); break;
        case 3: ForwardFromPage3(); break;
        case 4: ForwardFromPage4(); break;
        case 5: ForwardFromPage5(); break;
        case 6: ForwardFromPage6();
        case 7: ForwardFromPage7(); break;
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
