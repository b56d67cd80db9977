#include "core/ProgramEnd.h"

#include "core/RunState.h"
#include "platform/sys/Process.h"

namespace ProgramEnd {

void EndWizard() { sys::ExitProgram(); }
void AbortWizard() { sys::ExitProgram(); }
void RemoveDummyProfile(bool) {}
void DeleteWorkFiles() {}

}  // namespace ProgramEnd

namespace ShutDown {

void RebootSystem() { sys::ExitProgram(); }
void EnableShutdownPrivilege() {}

}  // namespace ShutDown
