// File security of the NT family (advapi32). Windows 95, 98 and ME have none:
// there every call reports that it could not act.
#pragma once

#include <cstdint>

#include "platform/sys/Types.h"

namespace sys {

// GetVolumeInformationA(root): whether the file system keeps access lists
// (FS_PERSISTENT_ACLS; FAT does not). False when the call fails.
bool VolumeKeepsAcls(const std::wstring& root);

enum class Owner {
    Unknown,  // not to be read (no security, the call failed)
    Ours,     // the Administrators group, SYSTEM, or the user of this process
    Other,
};
// GetFileSecurityA(OWNER_SECURITY_INFORMATION) + GetSecurityDescriptorOwner,
// compared with those three.
Owner FileOwner(const std::wstring& path);

// SetFileSecurityA(DACL_SECURITY_INFORMATION) with an access list that lets
// Administrators and SYSTEM do everything and Users read (and run): nobody
// else can change, replace or delete it. A directory's entries are inherited
// by what is made in it. False, with the system's reason in *error, when the
// list could not be set.
bool RestrictToAdministrators(const std::wstring& path, bool directory, uint32_t* error);

}  // namespace sys
