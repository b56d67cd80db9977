#include "install/InstallIRDAPatches.h"

#include "core/RunState.h"
#include "core/runApp.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/sys/Files.h"
#include "platform/sys/Profile.h"

namespace InstallIRDAPatches {

void InstallIRDAPatches() {
    const std::wstring& os = Rs.OsName;
    if (os != L"Win2K" && os != L"WinXP") return;
    if (os == L"WinXP") IniHand::WriteLog(L"edit MDMIRMDM.INF");
    if (os == L"Win2K") {
        if (RegAccess::KeyExists(false, RegAccess::kLocalMachine,
                                 L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Q252795", L"")) {
            Rs.IrCommHotfixInstalled = true;
        } else {
            IniHand::WriteLog(L"installing IRDA-patch");
            // One installer per language; its result is not checked.
            runApp::RunAndWait(runApp::ProgramPath(Rs.WorkDir + L"kt\\w2k" + Rs.LanguageCode + L".exe") + L" -q -m -z");
        }
    }
    // WindowsDir ends in a backslash already.
    const std::wstring inf = Rs.WindowsDir + L"inf\\mdmirmdm.";
    sys::RemoveProfileSection(L"Valmor", inf + L"inf");
    sys::RemoveProfileSection(L"Standard", inf + L"inf");
    sys::DeleteFile(inf + L"pnf");
}

}  // namespace InstallIRDAPatches
