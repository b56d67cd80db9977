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
