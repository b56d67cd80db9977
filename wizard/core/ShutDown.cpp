#include "core/ShutDown.h"

#include "core/RunState.h"
#include "platform/sys/Process.h"

namespace ShutDown {

void EnableShutdownPrivilege() { sys::EnableShutdownPrivilege(); }

void RebootSystem() {
    if (Rs.OsPlatformId == 2) EnableShutdownPrivilege();
    // EWX_SHUTDOWN | EWX_REBOOT with EWX_FORCEIFHUNG (2000, XP) or EWX_FORCE.
    uint32_t flags = (Rs.OsName == L"WinXP" || Rs.OsName == L"Win2K") ? 19 : 7;
    sys::ExitWindows(flags, 0xFFFFFFFF);
    sys::ExitProgram();
}

}  // namespace ShutDown
