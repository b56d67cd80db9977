// Directories, versions, locale, clock and instance calls (kernel32, user32).
#pragma once

#include <cstdint>

#include "platform/sys/Types.h"

namespace sys {

// GetWindowsDirectoryA / GetSystemDirectoryA / GetTempPathA with a buffer of
// `bufferChars` characters: the call's result and the buffer's text.
uint32_t GetWindowsDirectory(uint32_t bufferChars, std::wstring* out);
uint32_t GetSystemDirectory(uint32_t bufferChars, std::wstring* out);
uint32_t GetTempPath(uint32_t bufferChars, std::wstring* out);

// The directory the running program was loaded from, without a trailing
// backslash (App.Path).
std::wstring ProgramDirectory();

// Platform ids of OsVersion (VER_PLATFORM_*).
constexpr int32_t kPlatformWin32s = 0;
constexpr int32_t kPlatformWindows = 1;  // Windows 95, 98, ME
constexpr int32_t kPlatformNT = 2;       // NT 4, 2000, XP

struct OsVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    uint32_t platformId = 0;
    std::string servicePack;  // all 128 bytes of szCSDVersion, NULs included
};
// GetVersionExA with dwOSVersionInfoSize 148.
bool GetVersionEx(OsVersion* out);

// True when another running instance of this program holds the instance
// token (a named mutex). The first caller takes the token and keeps it for
// the life of the process.
bool AnotherInstanceRunning();

// The current local time (with seconds) and date (short form) in the user's
// regional formats.
std::wstring LocalTimeText();
std::wstring LocalDateText();

// The user's decimal separator (LOCALE_SDECIMAL of the user default locale).
std::wstring DecimalSeparator();

uint32_t TickCount();
void Sleep(uint32_t milliseconds);

}  // namespace sys
