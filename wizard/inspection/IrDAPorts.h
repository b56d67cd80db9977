// Infrared hardware, the serial-port map and the Windows 2000 IrCOMM conflict.
#pragma once

#include <cstdint>

namespace CheckIRDA {

// Sets IrDAPresent (and IrDANeedsMEPatch on Windows ME) from the registry and
// records "InstalledDevices" in the product key.
void CheckIRDA();

}  // namespace CheckIRDA

namespace ComPorts {

// True when "COM" + port is listed in the system's serial-port map.
bool IsComPortPresent(int16_t port);

}  // namespace ComPorts

namespace CheckIrComm2k {

// Windows 2000 with a conflicting virtual IrCOMM driver: message 115 or 116.
void CheckIrComm2k();

}  // namespace CheckIrComm2k
