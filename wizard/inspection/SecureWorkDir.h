// The kt directory on the NT family: where the temporary directory is shared
// (NT 4's C:\TEMP), another user could put a library or program there for
// the wizard to run with an administrator's rights.
#pragma once

namespace SecureWorkDir {

// Before anything is taken from kt: on the NT family kt, its files and the
// exchange file get an access list that lets only administrators and the
// system change them. False when kt or a file in it belongs to another user
// (made before the run), or its listing, an owner or kt's access list cannot
// be read or set: the wizard must not run from it. A drive without access
// lists (FAT) is logged and passed. Sets Rs.KtRefused.
bool Secure();

}  // namespace SecureWorkDir
