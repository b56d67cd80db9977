// The setup data for the companion installer and the modem driver file.
#pragma once

namespace WriteSetupData {

// Writes section "Variables" into the exchange file (created anew) and
// prepares "mdmvlm.inf" in the kt directory from the running system's driver
// template; with NoPortSkip also in the Windows inf directory. Needs ComPort.
// A write that fails is logged, and message 101 ends the run: the installer
// must not start on data that is not there.
void WriteSetupData();

}  // namespace WriteSetupData
