// The service-pack requirement of Windows 2000.
#pragma once

namespace CheckServicePack2k {

// Windows 2000 without "Service Pack" in its service-pack text: message 114.
void CheckServicePack2k();

}  // namespace CheckServicePack2k
