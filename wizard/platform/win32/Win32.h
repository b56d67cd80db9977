// <windows.h> for the adapters, without the A/W name macros that collide with
// the names of namespace sys. Adapters call the "A" entry points by name.
#pragma once

#include <windows.h>

#undef CopyFile
#undef ExitWindows
#undef CreateDirectory
#undef DeleteFile
#undef GetDiskFreeSpace
#undef GetPrivateProfileString
#undef GetShortPathName
#undef GetSystemDirectory
#undef GetTempFileName
#undef GetTempPath
#undef GetVersionEx
#undef GetWindowsDirectory
#undef LoadLibrary
#undef LoadString
#undef RegCreateKeyEx
#undef RegDeleteKey
#undef RegDeleteValue
#undef RegEnumKeyEx
#undef RegEnumValue
#undef RegOpenKeyEx
#undef RegQueryInfoKey
#undef RegQueryValueEx
#undef RegSetValueEx
#undef SetFileAttributes
#undef WritePrivateProfileString
#undef FindWindow
#undef GetMessage
#undef SendMessage
#undef PostMessage
#undef DrawText
#undef CreateWindow
#undef LoadBitmap
#undef LoadCursor
#undef CreateFont
#undef GetObject
#undef TextOut

namespace win32 {

// A library of the system by its full name in the system directory. A bare
// name is looked for in the program's and the current directory first, and
// one that the system lacks (oleacc on 95 and NT 4 without Active
// Accessibility) would be taken from wherever it stands; missing there, it
// is missing. Its own imports are looked for in the system directory first
// too (LOAD_WITH_ALTERED_SEARCH_PATH): oleacc's ole32 and oleaut32 are no
// KnownDLLs on NT 4, and would be searched for beside the program.
inline HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH + 1] = {};
    UINT n = GetSystemDirectoryA(path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    if (path[n - 1] != '\\') path[n++] = '\\';
    for (; *name && n < MAX_PATH; ++name) path[n++] = *name;
    if (*name) return nullptr;
    path[n] = '\0';
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace win32
