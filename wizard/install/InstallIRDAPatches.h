// The infrared patches of Windows 2000 and XP.
#pragma once

namespace InstallIRDAPatches {

// Windows 2000: installs the IrComm hotfix Q252795 unless it is present (then
// sets Rs.IrCommHotfixInstalled). Windows 2000 and XP: removes the model
// sections "Valmor" and "Standard" from the system's mdmirmdm.inf, which would
// claim the phone, and deletes its precompiled form. Other systems: nothing.
void InstallIRDAPatches();

}  // namespace InstallIRDAPatches
