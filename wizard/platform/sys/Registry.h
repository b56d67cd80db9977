// Registry calls (advapi32, ANSI entry points). Status codes are the Win32
// error codes of platform/sys/Errors.h.
#pragma once

#include <cstdint>

#include "platform/sys/Errors.h"
#include "platform/sys/Types.h"

namespace sys {

// Value types (REG_*).
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegDwordBigEndian = 5;
constexpr uint32_t kRegMultiSz = 7;

// Access rights of an opened key (KEY_*).
constexpr uint32_t kKeyQueryValue = 0x0001;
constexpr uint32_t kKeySetValue = 0x0002;
constexpr uint32_t kKeyCreateSubKey = 0x0004;
constexpr uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr uint32_t kKeyNotify = 0x0010;
constexpr uint32_t kKeyCreateLink = 0x0020;
// KEY_READ: READ_CONTROL with query value, enumerate sub-keys and notify.
constexpr uint32_t kKeyRead = 0x00020019;

// The predefined root keys (HKEY_CLASSES_ROOT ... HKEY_DYN_DATA).
Handle RegRootClassesRoot();
Handle RegRootCurrentUser();
Handle RegRootLocalMachine();
Handle RegRootUsers();
Handle RegRootCurrentConfig();
Handle RegRootDynData();
Handle RegRootPerformanceData();

long RegOpenKeyEx(Handle root, const std::wstring& subKey, uint32_t access, Handle* out);
long RegCreateKeyEx(Handle root, const std::wstring& subKey, uint32_t access, Handle* out);
long RegCloseKey(Handle key);

// RegQueryValueExA. `size` is in/out exactly as in Win32: on entry the buffer
// size in bytes (data may be null for a size query), on return the bytes the
// value holds. `data` receives at most the given size of bytes.
long RegQueryValueEx(Handle key, const std::wstring& name, uint32_t* type, std::string* data, uint32_t* size);
long RegSetValueEx(Handle key, const std::wstring& name, uint32_t type, const std::string& bytes);
long RegDeleteValue(Handle key, const std::wstring& name);
long RegDeleteKey(Handle key, const std::wstring& subKey);
long RegQueryInfoKey(Handle key, uint32_t* subKeys, uint32_t* values);
// RegEnumKeyExA / RegEnumValueA with a name buffer of `nameBuffer` characters.
long RegEnumKeyEx(Handle key, uint32_t index, uint32_t nameBuffer, std::wstring* name);
long RegEnumValue(Handle key, uint32_t index, uint32_t nameBuffer, std::wstring* name, uint32_t* type);

}  // namespace sys
