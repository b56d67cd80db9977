// The operating system and the browser version, with the start-up refusals.
#pragma once

namespace Os_version {

// Classifies the system into OsName, OsPlatformId and OsServicePack; message
// 107 (not supported) or 105 (not recognised) ends the run.
void GetOsVersion();

}  // namespace Os_version

namespace GetBrowserVersion {

// BrowserVersion from the registry, empty when absent.
void ReadBrowserVersion();
// Message 108 when BrowserVersion sorts before the minimum, as plain text.
void CheckBrowserVersion();

}  // namespace GetBrowserVersion

namespace CheckServicePack2k {

// Windows 2000 without "Service Pack" in its service-pack text: message 114.
void CheckServicePack2k();

}  // namespace CheckServicePack2k
