#include "inspection/AdminCheck.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/sys/System.h"

namespace AdminCheck {

void CheckAdminRights() {
    static const wchar_t* const kKey = L"System\\CurrentControlSet\\Control";
    Rs.IsAdmin = true;
    if (Rs.OsPlatformId != sys::kPlatformNT) return;
    IniHand::WriteLog(L"check if user is Admin START");
    Rs.IsAdmin = false;
    RegAccess::SetText(RegAccess::kLocalMachine, kKey, L"Admin", L"1");
    Rs.IsAdmin = RegAccess::GetText(RegAccess::kLocalMachine, kKey, L"Admin", L"") == L"1";
    RegAccess::DeleteValue(RegAccess::kLocalMachine, kKey, L"Admin");
    if (!Rs.IsAdmin) {
        Rs.MessageId = 106;
        frmMessage::ShowModal();
    }
    IniHand::WriteLog(L"Admincheck END");
}

}  // namespace AdminCheck
