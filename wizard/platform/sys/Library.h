// Module calls: libraries, string resources, version resources.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sys/Types.h"

namespace sys {

// LoadLibraryA. A file that is no valid module (truncated, corrupt) fails
// quietly, without the system's error box; then *error, when given, holds
// GetLastError (ERROR_BAD_EXE_FORMAT, 193, for a truncated module).
Handle LoadLibrary(const std::wstring& name, uint32_t* error = nullptr);
void FreeLibrary(Handle module);
void* GetProcAddress(Handle module, const char* name);
// The running program's own module (its string table and bitmaps).
Handle ProgramModule();

// LoadStringA(module, id, buffer, bufferChars): returns the count the call
// returns and the text up to it. Module 0 is the program itself. With a
// language, the string table of that language comes first (FindResourceExA),
// converted as LoadStringA converts; LoadStringA itself serves a module
// without one.
uint32_t LoadString(Handle module, uint32_t id, uint32_t bufferChars, std::wstring* out, uint16_t language = 0);

// GetFileVersionInfoSizeA + GetFileVersionInfoA + VerQueryValueA
// "\VarFileInfo\Translation". False when the file has no version information;
// otherwise the 32-bit entries (language in the low half, code page in the
// high half), possibly none.
bool GetFileTranslations(const std::wstring& path, std::vector<uint32_t>* entries);

}  // namespace sys
