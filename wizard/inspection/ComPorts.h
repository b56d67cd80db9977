// The system's serial-port map.
#pragma once

#include <cstdint>

namespace ComPorts {

// True when "COM" + port is listed in the system's serial-port map.
bool IsComPortPresent(int16_t port);

}  // namespace ComPorts
