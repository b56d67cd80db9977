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
    // The write itself tells: a value read back may be one that an earlier,
    // killed run left. A value that was there before is written back as it
    // was and kept; only the check's own is removed.
    int kind = RegAccess::kKindUnknown;
    bool existed = RegAccess::KeyExists(true, RegAccess::kLocalMachine, kKey, L"Admin");
    RegAccess::Value value =
        existed ? RegAccess::GetValue(RegAccess::kLocalMachine, kKey, L"Admin", kind, RegAccess::Value{})
                : RegAccess::Value::Of(L"1");
    if (kind == RegAccess::kKindUnknown) kind = RegAccess::kKindText;
    RegAccess::SetValue(RegAccess::kLocalMachine, kKey, L"Admin", value, kind);
    Rs.IsAdmin = RegAccess::LastStatus() == 0;
    if (Rs.IsAdmin && !existed) RegAccess::DeleteValue(RegAccess::kLocalMachine, kKey, L"Admin");
    if (!Rs.IsAdmin) {
        Rs.MessageId = 106;
        frmMessage::ShowModal();
    }
    IniHand::WriteLog(L"Admincheck END");
}

}  // namespace AdminCheck
