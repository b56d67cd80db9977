// The system's serial-port map.
#pragma once

#include <cstdint>
#include <vector>

namespace ComPorts {

// True when "COM" + port is one of PresentPorts.
bool IsComPortPresent(int16_t port);

// The ports the map lists as serial ports, COM1 to COM256, ascending, each
// once: what the port list offers. Modems and Bluetooth links are left out.
std::vector<int16_t> PresentPorts();

// The ports the map names at all, modems and Bluetooth links too, ascending.
std::vector<int16_t> NamedPorts();

// The ports a modem search probes, in order: COM1 to COM9 as ever (a port
// that is not there costs nothing) but for those the map names as Bluetooth
// links, then the present ports from COM10 up.
std::vector<int16_t> SearchPorts();

}  // namespace ComPorts
