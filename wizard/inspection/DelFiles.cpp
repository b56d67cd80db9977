#include "inspection/DelFiles.h"

#include "platform/sys/Files.h"

namespace DelFiles {

bool FileExists(const std::wstring& path) {
    if (path.empty()) return false;
    for (const auto& f : sys::FindFiles(path))
        if (!(f.attributes & (sys::kAttrHidden | sys::kAttrSystem | sys::kAttrDirectory))) return true;
    return false;
}

void DeleteFileIfExists(const std::wstring& path) {
    if (FileExists(path)) sys::DeleteFile(path);
}

}  // namespace DelFiles
