// File tests and deletion.
#pragma once

#include <string>

namespace DelFiles {

// True when a directory listing of path finds an ordinary file: directories,
// hidden and system files do not count.
bool FileExists(const std::wstring& path);

// Deletes the file when the name is not empty and the file exists; a failed
// deletion is ignored.
void DeleteFileIfExists(const std::wstring& path);

}  // namespace DelFiles
