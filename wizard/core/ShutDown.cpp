#include "core/ShutDown.h"

#include "core/RunState.h"
#include "platform/sys/Process.h"
#include "platform/sys/System.h"

namespace ShutDown {

void EnableShutdownPrivilege() { sys::EnableShutdownPrivilege(); }

void RebootSystem() {
    if (Rs.OsPlatformId == sys::kPlatformNT) EnableShutdownPrivilege();
    // Windows 2000 and XP close only the programs that do not answer; the 9x
    // family closes all of them.
    uint32_t force = (Rs.OsName == L"WinXP" || Rs.OsName == L"Win2K") ? sys::kEwxForceIfHung : sys::kEwxForce;
    // The reason code of XP; the systems before it reserve the argument.
    sys::ExitWindows(sys::kEwxShutdown | sys::kEwxReboot | force, 0xFFFFFFFF);
    sys::ExitProgram();
}

}  // namespace ShutDown
