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
    // A plain text comparison by character code, not by version fields. A
    // minimum that cannot be read passes no browser.
    const std::wstring minimum = StringTable::ProgramString(1007);
    if (minimum.empty() || Rs.BrowserVersion < minimum) frmMessage::ShowMessage(108);
}

}  // namespace GetBrowserVersion
