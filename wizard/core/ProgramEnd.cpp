#include "core/ProgramEnd.h"

#include <utility>

#include "core/RunState.h"
#include "core/ShutDown.h"
#include "core/StartUp.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "inspection/DelFiles.h"
#include "inspection/Dir_File.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/TopMost.h"
#include "platform/sys/Errors.h"
#include "platform/sys/Files.h"
#include "platform/sys/Library.h"
#include "platform/sys/Process.h"

namespace ProgramEnd {

namespace {

const wchar_t* const kDummyUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\dummy";
const wchar_t* const kNameSpace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace";
const wchar_t* const kDummyIcon = L"{6E1F0A42-93C7-11D3-A52B-00A0C93F7B14}";
const wchar_t* const kShellFolders = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsDots(const std::wstring& name) { return name == L"." || name == L".."; }

const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring Lower(std::wstring s) {
    for (auto& c : s)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return s;
}

bool IsShortcut(const std::wstring& name) { return name.size() >= 4 && Lower(name.substr(name.size() - 4)) == L".lnk"; }

// The Run value of a resume that a start-up check stopped (106, 109, 110
// come before the resume takes it up) would start the wizard at every
// log-on. Only a value that names this wizard goes.
void RemoveOwnRunValue() {
    std::wstring value = RegAccess::GetText(RegAccess::kLocalMachine, kRunKey, L"kt", L"");
    if (value.size() > 1 && value.front() == L'"' && value.back() == L'"') value = value.substr(1, value.size() - 2);
    if (!value.empty() && Lower(value) == Lower(Rs.WorkDir + L"kt\\wizard.exe"))
        RegAccess::DeleteValue(RegAccess::kLocalMachine, kRunKey, L"kt");
}

// Windows 2000 keeps the profile's shortcut on the all-users desktop. Only
// shortcuts go: the user's own files there ("budget dummy run.xls") stay.
void DeleteDummyDesktopFiles() {
    std::wstring desktop = RegAccess::GetText(RegAccess::kLocalMachine, kShellFolders, L"Common Desktop", L"");
    // Without the folder there is nothing to clean; a bare "\*.*" would list
    // the root of the current drive.
    if (desktop.empty()) return;
    for (const auto& f : sys::FindFiles(desktop + L"\\*.*")) {
        if (f.attributes & sys::kAttrDirectory) continue;
        if (f.name.find(L"dummy") != std::wstring::npos && IsShortcut(f.name))
            sys::DeleteFile(desktop + L"\\" + f.name);
    }
}

std::wstring DialerSetupCommand() {
    return runApp::ProgramPath(Rs.WorkDir + L"kt\\setup.exe") + L" /f2" + runApp::Argument(Rs.WorkDir, L"setup.log") +
           L" /s";
}

// The product key's values for the dialer setup; a value that could not be
// written is logged as such. Without a product name they would land in
// Software itself.
void RecordModem() {
    const std::wstring productKey = L"Software\\" + Rs.ProductName;
    const bool named = !Rs.ProductName.empty();
    if (named && !RegAccess::KeyExists(false, RegAccess::kLocalMachine, productKey, L""))
        RegAccess::CreateKey(RegAccess::kLocalMachine, productKey);
    for (const auto& [name, value] : {std::pair{L"ModemName", &Rs.ModemName}, std::pair{L"ComPort", &Rs.ComPort}}) {
        long status = sys::kErrorFileNotFound;
        if (named) status = RegAccess::SetText(RegAccess::kLocalMachine, productKey, name, *value);
        if (status != sys::kErrorSuccess)
            IniHand::WriteLog(L"registry value not written: " + std::wstring(name) + L", error " +
                              std::to_wstring(status));
    }
}

void ReleaseLanguageLibrary() {
    if (Rs.LanguageLibrary) sys::FreeLibrary(Rs.LanguageLibrary);
    Rs.LanguageLibrary = 0;
}

// A run that got past the start-up has taken up its resume or made none: a
// marker that is still there (its removal failed) would resume a later start.
void ForgetResume() {
    if (Rs.CurrentPage != 0) StartUp::RemoveResumeMarkers();
}

}  // namespace

void RemoveDummyProfile(bool endWizard) {
    // A profile of an earlier run (the connection that an install on XP
    // keeps) is not this run's to remove: a Cancel on page 1 would take it.
    if (!Rs.InstallerStarted) return;
    std::wstring dir = RegAccess::GetText(RegAccess::kLocalMachine, kDummyUninstall, L"UninstallDir", L"");
    if (!dir.empty()) {
        std::wstring shortDir = Dir_File::GetShortPath(dir);
        // Where no short form can be had, the long one still names the profile.
        if (shortDir.empty()) shortDir = dir;
        std::wstring inf = shortDir + L"\\dummy\\dummy.inf";
        if (inf.find(L' ') != std::wstring::npos) inf = L"\"" + inf + L"\"";
        // Waited for at either end: the restart that follows EndWizard, or an
        // end that follows an abort, would cut it off half-way, the profile
        // still there.
        runApp::RunAndWait(runApp::ProgramPath(Rs.SystemDir + L"cmstp.exe") + L" /u /s " + inf);
        RegAccess::DeleteKey(RegAccess::kCurrentUser, L"RemoteAccess\\Profile", L"dummy");
        RegAccess::DeleteValue(RegAccess::kCurrentUser, L"RemoteAccess\\Addresses", L"dummy");
    } else if (endWizard && Rs.OsName == L"Win2K") {
        DeleteDummyDesktopFiles();
    } else {
        RegAccess::DeleteKey(RegAccess::kLocalMachine, kNameSpace, kDummyIcon);
    }
}

void DeleteWorkFiles() {
    // Without a temporary directory "kt\*.*" would be relative to wherever we
    // run; a kt of another user's holds their files.
    if (Rs.TempDir.empty() || Rs.KtRefused) return;
    std::wstring kt = Rs.TempDir + L"kt\\";
    for (const auto& f : sys::FindFiles(kt + L"*.*")) {
        if (IsDots(f.name)) continue;
        sys::DeleteFile(kt + f.name);
    }
}

void EndWizard() {
    DelFiles::DeleteFileIfExists(Rs.TriggerFile);
    ForgetResume();
    IniHand::WriteLog(L"write to registry ModemName: " + Rs.ModemName);
    IniHand::WriteLog(L"write to registry ComPort: " + Rs.ComPort);
    RecordModem();
    IniHand::WriteLog(L"installing the GPRS modemassistant");
    runApp::RunAndWait(DialerSetupCommand());
    if (Rs.OsName != L"WinNT" && Rs.OsName != L"WinXP") RemoveDummyProfile(true);
    ReleaseLanguageLibrary();
    DeleteWorkFiles();
    TopMost::ShowTaskbar();
    IniHand::WriteLog(L"final reboot of the system");
    ShutDown::RebootSystem();
}

void AbortWizard() {
    TopMost::ShowTaskbar();
    DelFiles::DeleteFileIfExists(Rs.TriggerFile);
    ForgetResume();
    RemoveOwnRunValue();
    if (Rs.OsName != L"WinNT") RemoveDummyProfile(false);
    // Windows does not delete a loaded library: release it before kt is
    // emptied, as EndWizard does.
    ReleaseLanguageLibrary();
    DeleteWorkFiles();
    frmMain::Instance().Unload();
    sys::ExitProgram();
}

void EndOfSessionAsked(bool& cancel) { cancel = runApp::KeepOpen(ui::kUnloadAppWindows); }

void CloseAsked(bool& cancel, int mode) {
    if (mode == ui::kUnloadFormCode) return;
    if (runApp::KeepOpen(mode))
        cancel = true;
    else
        AbortWizard();
}

}  // namespace ProgramEnd
