// The system's directories, the exchange file and free disk space.
#pragma once

#include <string>

namespace Dir_File {

// Fills WindowsDir, SystemDir, TempDir (created when missing), WorkDir,
// TriggerFile, StartupDir, WindowsDrive, FreeDiskSpace and ProgramFilesDir.
void GetSystemDirectories();

// Free bytes of a drive root such as "C:\": free clusters x sectors per
// cluster x bytes per sector; 0 when the query fails.
double GetFreeDiskSpace(const std::wstring& root);

// The short (8.3) form of path; "" when the call fails.
std::wstring GetShortPath(const std::wstring& path);

// The full name of a file beside the running program. Our own libraries are
// loaded by it: a bare name would be searched for in the current directory
// and along the PATH too.
std::wstring InProgramDirectory(const std::wstring& name);

// The temporary directory (GetTempPathA) up to its first NUL.
std::wstring TempDirectory();

}  // namespace Dir_File
