// The operating system, with the start-up refusal of one not supported.
#pragma once

namespace Os_version {

// Classifies the system into OsName, OsPlatformId and OsServicePack; message
// 107 (not supported) or 105 (not recognised) ends the run.
void GetOsVersion();

}  // namespace Os_version
