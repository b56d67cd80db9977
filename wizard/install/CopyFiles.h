// Copying files by pattern.
#pragma once

#include <string>

namespace CopyFiles {

// Copies every ordinary file of sourceDir that matches pattern into targetDir,
// under targetName when it is not empty, else under its own name. A copy
// overwrites and is left writable. A failing copy is skipped; false when one
// failed or the listing was cut short (true when nothing matched).
bool CopyFiles(const std::wstring& sourceDir, const std::wstring& pattern, const std::wstring& targetDir,
               const std::wstring& targetName);

}  // namespace CopyFiles
