// The automatic search for the phone on a cable.
#pragma once

#include <cstdint>

namespace DetectComModem {

// Probes the ports until the phone answers or the user gives up (message
// 104, Repeat or Cancel). Found: ComPort and the setup data are written and
// the next page is 3. Given up: PortSearchResult "99", next page 5.
int16_t DetectComModem();

}  // namespace DetectComModem
