#include "inspection/CheckDiskSpace.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/IniHand.h"
#include "platform/StringTable.h"
#include "platform/sys/System.h"

namespace CheckDiskSpace {

void CheckDiskSpace() {
    IniHand::WriteLog(L"check for enough diskspace START");
    double minimum = StringTable::ProgramNumber(1010);
    Rs.RequiredDiskSpace = StringTable::ProgramNumber(Rs.OsPlatformId == sys::kPlatformNT ? 1009 : 1008);
    // A requirement that cannot be read passes no disk.
    if (!(Rs.FreeDiskSpace > Rs.RequiredDiskSpace) || !(Rs.RequiredDiskSpace > 0)) {
        Rs.MessageId = Rs.FreeDiskSpace > minimum ? 109 : 110;
        frmMessage::ShowModal();
    }
    IniHand::WriteLog(L"check for enough diskspace END");
}

}  // namespace CheckDiskSpace
