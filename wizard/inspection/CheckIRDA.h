// Whether the machine has an infrared device, recorded in the product key.
#pragma once

namespace CheckIRDA {

// Sets IrDAPresent (and IrDANeedsMEPatch on Windows ME) from the registry and
// records "InstalledDevices" in the product key.
void CheckIRDA();

}  // namespace CheckIRDA
