#include "inspection/CheckIrComm2k.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/RegAccess.h"

namespace CheckIrComm2k {

namespace {

bool Exists(const wchar_t* key) { return RegAccess::KeyExists(false, RegAccess::kLocalMachine, key, L""); }

}  // namespace

void CheckIrComm2k() {
    if (Rs.OsName != L"Win2K") return;
    if (Exists(L"System\\CurrentControlSet\\Enum\\IrComm2k\\Bridge\\0000")) frmMessage::ShowMessage(115);
    if (Exists(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Windows 2000 Virtual IrComm"))
        frmMessage::ShowMessage(116);
}

}  // namespace CheckIrComm2k
