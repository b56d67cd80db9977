// Free space on the Windows drive against the requirement.
#pragma once

namespace CheckDiskSpace {

// Sets RequiredDiskSpace; stops with message 109 or 110 when FreeDiskSpace is
// not strictly greater than it.
void CheckDiskSpace();

}  // namespace CheckDiskSpace
