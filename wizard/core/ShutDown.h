// The reboot that ends the wizard after Finish and on the page before its own
// restart.
#pragma once

namespace ShutDown {

// Restarts Windows, forcing programs that do not answer to close; the wizard
// ends here.
[[noreturn]] void RebootSystem();
// The NT family lets a process reboot only with this privilege.
void EnableShutdownPrivilege();

}  // namespace ShutDown
