#include "inspection/GetBrowserVersion.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"

namespace GetBrowserVersion {

void ReadBrowserVersion() {
    Rs.BrowserVersion =
        RegAccess::GetText(RegAccess::kLocalMachine, L"Software\\Microsoft\\Internet Explorer", L"Version", L"");
    IniHand::WriteLog(L"detected Internet Explorer Version: " + Rs.BrowserVersion);
}

void CheckBrowserVersion() {
    // A plain text comparison by character code, not by version fields.
    if (Rs.BrowserVersion < StringTable::ProgramString(1007)) frmMessage::ShowMessage(108);
}

}  // namespace GetBrowserVersion
