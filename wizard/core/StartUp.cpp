#include "core/StartUp.h"

#include "core/FormHandling.h"
#include "core/RunState.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "dialogs/frmMessage.h"
#include "inspection/AdminCheck.h"
#include "inspection/CheckDiskSpace.h"
#include "inspection/CheckIrComm2k.h"
#include "inspection/CheckServicePack2k.h"
#include "inspection/DelFiles.h"
#include "inspection/Dir_File.h"
#include "inspection/GetBrowserVersion.h"
#include "inspection/Os_version.h"
#include "inspection/SecureWorkDir.h"
#include "install/DialingLocation.h"
#include "localisation/ResHandling.h"
#include "localisation/Sprache.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"
#include "platform/TopMost.h"
#include "platform/sys/Files.h"
#include "platform/sys/System.h"
#include "platform/ui/Ui.h"

namespace StartUp {

namespace {

const wchar_t* const kRestartMarker = L"c:\\gprs.kti";
const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

#ifndef NDEBUG
// A control looked up by a name that its window does not have is a slip in
// the program; a debug build puts it in the log rather than pass it over.
void LogMissingControl(const ui::Form& form, const std::wstring& name) {
    IniHand::WriteLog(L"no control " + name + L" on " + form.Name());
}
#endif

}  // namespace

void CheckRestartMarker() {
    Rs.DirectoryRequestBusy = false;
    Rs.PortSearchResult = L"";
    Rs.IrCommHotfixInstalled = false;
    Rs.IrDANeedsMEPatch = false;
    // Any user may put a file into the root of C:: the marker counts only
    // beside the state file that the same page 6 made in our own TEMP.
    if (DelFiles::FileExists(kRestartMarker) && DelFiles::FileExists(Dir_File::TempDirectory() + L"kti.kti")) {
        IniHand::ContinueLog();
        IniHand::WriteLog(L"ReStart after Reboot");
        DelFiles::DeleteFileIfExists(kRestartMarker);
    } else {
        // A fresh run starts a fresh log, in a file of its own; a marker
        // left here, hidden or not, goes too.
        sys::SetFileAttributes(kRestartMarker, sys::kAttrNormal);
        sys::DeleteFile(kRestartMarker);
        IniHand::StartNewLog();
    }
}

void GetStartParam() {
    std::wstring state = Rs.TempDir + L"kti.kti";
    if (!DelFiles::FileExists(state)) return;
    Rs.RestartedAfterReboot = true;
    DelFiles::DeleteFileIfExists(state);
    RegAccess::DeleteValue(RegAccess::kLocalMachine, kRunKey, L"kt");
    Rs.UseIrDA = true;
}

void RemoveResumeMarkers() {
    if (!Rs.TempDir.empty()) DelFiles::DeleteFileIfExists(Rs.TempDir + L"kti.kti");
    RegAccess::DeleteValue(RegAccess::kLocalMachine, kRunKey, L"kt");
}

void DeleteRunOnceLink() { DelFiles::DeleteFileIfExists(Rs.StartupDir + L"\\runonce.LNK"); }

void LoadProductStrings() {
    Rs.ProductCode = StringTable::ProgramString(1000);
    Rs.ProductName = StringTable::ProgramString(1001);
    Rs.DialerInfName = StringTable::ProgramString(1019);
}

void RemoveOldDialer() {
    std::wstring dialerDir = Rs.ProgramFilesDir + L"Valmor\\GPRS\\";
    if (DelFiles::FileExists(dialerDir + L"z72gprs.exe")) {
        IniHand::WriteLog(L"deleting old dialer version");
        std::wstring inf = Rs.WindowsDir + L"inf\\" + Rs.DialerInfName + L".inf";
        IniHand::WriteIni(L"RemoveBeginPromptSection", L"Prompt", L"", inf);
        IniHand::WriteIni(L"RemoveBeginPromptSection", L"ButtonType", L"", inf);
        IniHand::WriteIni(L"RemoveEndPromptSection", L"Prompt", L"", inf);
        IniHand::WriteIni(L"RemoveEndPromptSection", L"ButtonType", L"", inf);
        // advpack reads the INF itself, past the 9x profile cache.
        IniHand::FlushIni(inf);
        // advpack.dll is a 32-bit DLL on every system: rundll.exe of the 9x
        // family loads only 16-bit ones. Both by their full names (rundll32
        // lies in the Windows directory on the 9x family): a bare name is
        // found in our own and the current directory first.
        std::wstring rundll = (Rs.OsPlatformId == sys::kPlatformNT ? Rs.SystemDir : Rs.WindowsDir) + L"rundll32.exe";
        runApp::StartProgram(runApp::ProgramPath(rundll) + L" " + runApp::Argument(Rs.SystemDir + L"advpack.dll") +
                             L",LaunchINFSection " + inf + L", RemoveInstall");
    }
    if (RegAccess::KeyExists(true, RegAccess::kLocalMachine, L"Software\\" + Rs.ProductName, L"CBCPathName")) {
        IniHand::WriteLog(L"deleting dialer");
        for (const auto& f : sys::FindFiles(dialerDir + L"*.*")) {
            if (f.name == L"." || f.name == L"..") continue;
            sys::SetFileAttributes(dialerDir + f.name, sys::kAttrNormal);
        }
        runApp::RunAndWait(runApp::ProgramPath(Rs.WorkDir + L"kt\\setup.exe") + L" /f2" +
                           runApp::Argument(Rs.WorkDir, L"setup.log") + L" /s");
    }
}

bool Main() {
#ifndef NDEBUG
    // The host tests install their own hook first, one that fails the test.
    if (!ui::GetMissingControlHook()) ui::SetMissingControlHook(LogMissingControl);
#endif
    // A second wizard would share the exchange file, the log and the taskbar
    // with the first: it ends silently.
    if (sys::AnotherInstanceRunning()) return false;
    // Before the first log line: the marker decides whether the log of the
    // run before the wizard's own reboot is kept.
    CheckRestartMarker();
    // The directories and the exchange file that every later step works in;
    // then the locale, which names the language library.
    Dir_File::GetSystemDirectories();
    Sprache::GetCountryInformation();
    // Before the first library or program is taken from kt. A kt of another
    // user's is not run from; the message is the one that needs no language
    // library (which would come from that kt).
    if (!SecureWorkDir::Secure()) {
        Rs.MessageId = 9999;
        frmMessage::ShowModal();
    }
    ResHandling::LoadLanguageLibrary();
    // The requirements, once the language library can word a refusal; each
    // refusal ends the run inside its check.
    GetBrowserVersion::ReadBrowserVersion();
    GetBrowserVersion::CheckBrowserVersion();
    Os_version::GetOsVersion();
    AdminCheck::CheckAdminRights();
    DeleteRunOnceLink();
    CheckDiskSpace::CheckDiskSpace();
    // Every window shows the version text.
    DialingLocation::ReadProviderVersion();
    GetStartParam();
    // Windows 2000 refusals: no service pack, or a virtual IrCOMM driver in
    // the way of the wizard's own.
    CheckServicePack2k::CheckServicePack2k();
    CheckIrComm2k::CheckIrComm2k();
    // The product's registry key and the older dialer are named by the
    // program's own string table.
    LoadProductStrings();
    // The modem needs a dialing location to dial with.
    DialingLocation::SetDialingLocation();
    // The run before the reboot has removed it already.
    if (!Rs.RestartedAfterReboot) RemoveOldDialer();
    // Pages 2 to 14 show on the main window; it loads at its first use, so
    // page 1 comes up alone.
    Rs.CurrentForm = &frmMain::Instance();
    // A resume has passed page 1, whose Forward hid the taskbar; it goes on
    // at the port list.
    if (Rs.RestartedAfterReboot) {
        TopMost::HideTaskbar();
        FormHandling::ShowPage(5);
    } else {
        FormHandling::ShowPage(1);
    }
    return true;
}

}  // namespace StartUp
