#include "install/CopyFiles.h"

#include "platform/sys/Files.h"

namespace CopyFiles {

void CopyFiles(const std::wstring& sourceDir, const std::wstring& pattern, const std::wstring& targetDir,
               const std::wstring& targetName) {
    // Directory, hidden and system entries are not files a directory listing
    // of ordinary files would return.
    const uint32_t notOrdinary = sys::kAttrDirectory | sys::kAttrHidden | sys::kAttrSystem;
    for (const auto& found : sys::FindFiles(sourceDir + pattern)) {
        if (found.attributes & notOrdinary) continue;
        const std::wstring destination = targetDir + (targetName.empty() ? found.name : targetName);
        sys::CopyFile(sourceDir + found.name, destination);
        // A read-only source must not leave a read-only copy that the next
        // run could not overwrite.
        sys::SetFileAttributes(destination, sys::kAttrNormal);
    }
}

}  // namespace CopyFiles
