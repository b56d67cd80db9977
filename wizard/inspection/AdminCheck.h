// Administrator rights on the NT family.
#pragma once

namespace AdminCheck {

// Sets IsAdmin; on the NT family a user who cannot write the machine part of
// the registry gets message 106, which ends the run.
void CheckAdminRights();

}  // namespace AdminCheck
