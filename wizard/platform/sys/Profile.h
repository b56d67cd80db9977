// INI-file calls (kernel32 private profile functions, ANSI entry points).
#pragma once

#include <cstdint>

#include "platform/sys/Types.h"

namespace sys {

// GetPrivateProfileStringA into a buffer of `bufferChars` characters; returns
// the count the call returns and the text up to it in *out.
uint32_t GetPrivateProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                                 uint32_t bufferChars, const std::wstring& file, std::wstring* out);
bool WritePrivateProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                               const std::wstring& file);
// WritePrivateProfileStringA(NULL, NULL, NULL, file): the 9x family writes its
// cached copy of the file to the disk (NT writes through and ignores it).
bool FlushPrivateProfile(const std::wstring& file);
// WritePrivateProfileStructA(section, NULL, NULL, 0, file): removes the section.
bool RemoveProfileSection(const std::wstring& section, const std::wstring& file);

}  // namespace sys
