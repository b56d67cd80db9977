// The Windows 2000 IrCOMM conflict.
#pragma once

namespace CheckIrComm2k {

// Windows 2000 with a conflicting virtual IrCOMM driver: message 115 or 116.
void CheckIrComm2k();

}  // namespace CheckIrComm2k
