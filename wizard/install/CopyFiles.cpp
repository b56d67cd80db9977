#include "install/CopyFiles.h"

#include "platform/sys/Files.h"

namespace CopyFiles {

bool CopyFiles(const std::wstring& sourceDir, const std::wstring& pattern, const std::wstring& targetDir,
               const std::wstring& targetName) {
    bool copied = true;
    // Directory, hidden and system entries are not files a directory listing
    // of ordinary files would return.
    const uint32_t notOrdinary = sys::kAttrDirectory | sys::kAttrHidden | sys::kAttrSystem;
    uint32_t error = 0;
    for (const auto& found : sys::FindFiles(sourceDir + pattern, &error)) {
        if (found.attributes & notOrdinary) continue;
        const std::wstring destination = targetDir + (targetName.empty() ? found.name : targetName);
        if (!sys::CopyFile(sourceDir + found.name, destination)) {
            copied = false;
            continue;
        }
        // A read-only source must not leave a read-only copy that the next
        // run could not overwrite.
        sys::SetFileAttributes(destination, sys::kAttrNormal);
    }
    return copied && !error;  // a listing cut short may have missed a file
}

}  // namespace CopyFiles
