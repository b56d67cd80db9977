// The trace log and single values of INI files.
#pragma once

#include <string>

namespace IniHand {

// The log file; the file system ignores the case of the name.
extern const wchar_t* const kLogFile;

// Appends one line "text TAB time TAB date CR LF" to the log and closes it.
// After a StartNewLog that failed, nothing is written.
void WriteLog(const std::wstring& text);

// A fresh run's log: whatever file of that name stands there (hidden, system,
// read-only, a hard link) is removed and a new one made. Where that fails the
// file is not ours, and the run logs nothing rather than write into it.
void StartNewLog();
// The log of the run before the wizard's own reboot goes on.
void ContinueLog();

// The value of key in section of file, or def when any of them is missing.
std::wstring ReadIni(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                     const std::wstring& file);

// Writes the value, creating file, section or key as needed; failures are silent.
void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& file);

// Puts what WriteIni wrote to file on the disk. Windows 95, 98 and ME keep
// profile writes in a cache that only the profile functions see; call this
// before another program reads the file by itself.
void FlushIni(const std::wstring& file);

}  // namespace IniHand
