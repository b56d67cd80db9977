#include "platform/sys/Registry.h"
#include "platform/win32/Win32.h"

namespace sys {

// The seam's codes are the system's own: statuses pass through unchanged.
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              kErrorAccessDenied == ERROR_ACCESS_DENIED && kErrorInvalidHandle == ERROR_INVALID_HANDLE &&
              kErrorBadPathname == ERROR_BAD_PATHNAME && kErrorMoreData == ERROR_MORE_DATA &&
              kErrorNoMoreItems == ERROR_NO_MORE_ITEMS);
static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegBinary == REG_BINARY && kRegDword == REG_DWORD &&
              kRegDwordBigEndian == REG_DWORD_BIG_ENDIAN && kRegMultiSz == REG_MULTI_SZ);
static_assert(kKeyQueryValue == KEY_QUERY_VALUE && kKeySetValue == KEY_SET_VALUE &&
              kKeyCreateSubKey == KEY_CREATE_SUB_KEY && kKeyEnumerateSubKeys == KEY_ENUMERATE_SUB_KEYS &&
              kKeyNotify == KEY_NOTIFY && kKeyCreateLink == KEY_CREATE_LINK && kKeyRead == KEY_READ);

namespace {
HKEY K(Handle h) { return reinterpret_cast<HKEY>(h); }
Handle H(HKEY k) { return reinterpret_cast<Handle>(k); }
}  // namespace

Handle RegRootClassesRoot() { return H(HKEY_CLASSES_ROOT); }
Handle RegRootCurrentUser() { return H(HKEY_CURRENT_USER); }
Handle RegRootLocalMachine() { return H(HKEY_LOCAL_MACHINE); }
Handle RegRootUsers() { return H(HKEY_USERS); }
Handle RegRootCurrentConfig() { return H(HKEY_CURRENT_CONFIG); }
Handle RegRootDynData() { return H(HKEY_DYN_DATA); }
Handle RegRootPerformanceData() { return H(HKEY_PERFORMANCE_DATA); }

long RegOpenKeyEx(Handle root, const std::wstring& subKey, uint32_t access, Handle* out) {
    HKEY k = nullptr;
    long st = RegOpenKeyExA(K(root), ToAnsi(subKey).c_str(), 0, access, &k);
    *out = st == ERROR_SUCCESS ? H(k) : 0;
    return st;
}

long RegCreateKeyEx(Handle root, const std::wstring& subKey, uint32_t access, Handle* out) {
    HKEY k = nullptr;
    DWORD disposition = 0;
    SECURITY_ATTRIBUTES sa = {};
    long st = RegCreateKeyExA(K(root), ToAnsi(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, &sa, &k,
                              &disposition);
    *out = st == ERROR_SUCCESS ? H(k) : 0;
    return st;
}

long RegCloseKey(Handle key) { return ::RegCloseKey(K(key)); }

long RegQueryValueEx(Handle key, const std::wstring& name, uint32_t* type, std::string* data, uint32_t* size) {
    DWORD t = 0, s = size ? *size : 0;
    long st;
    if (data) {
        // A non-null buffer even for a zero length, as callers ask for.
        std::string buf(s + 1, '\0');
        st = RegQueryValueExA(K(key), ToAnsi(name).c_str(), nullptr, &t, reinterpret_cast<BYTE*>(&buf[0]), &s);
        if (st == ERROR_SUCCESS) *data = buf.substr(0, s);
    } else {
        st = RegQueryValueExA(K(key), ToAnsi(name).c_str(), nullptr, &t, nullptr, &s);
    }
    if (type) *type = t;
    if (size) *size = s;
    return st;
}

long RegSetValueEx(Handle key, const std::wstring& name, uint32_t type, const std::string& bytes) {
    return RegSetValueExA(K(key), ToAnsi(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

long RegDeleteValue(Handle key, const std::wstring& name) { return RegDeleteValueA(K(key), ToAnsi(name).c_str()); }
long RegDeleteKey(Handle key, const std::wstring& subKey) { return RegDeleteKeyA(K(key), ToAnsi(subKey).c_str()); }

long RegQueryInfoKey(Handle key, uint32_t* subKeys, uint32_t* values) {
    DWORD sk = 0, v = 0;
    long st = RegQueryInfoKeyA(K(key), nullptr, nullptr, nullptr, &sk, nullptr, nullptr, &v, nullptr, nullptr, nullptr,
                               nullptr);
    if (subKeys) *subKeys = sk;
    if (values) *values = v;
    return st;
}

long RegEnumKeyEx(Handle key, uint32_t index, uint32_t nameBuffer, std::wstring* name) {
    std::string buf(nameBuffer + 1, '\0');
    DWORD n = nameBuffer;
    long st = RegEnumKeyExA(K(key), index, &buf[0], &n, nullptr, nullptr, nullptr, nullptr);
    if (st == ERROR_SUCCESS || st == ERROR_MORE_DATA) *name = FromAnsi(buf.substr(0, n < nameBuffer ? n : nameBuffer));
    return st;
}

long RegEnumValue(Handle key, uint32_t index, uint32_t nameBuffer, std::wstring* name, uint32_t* type) {
    std::string buf(nameBuffer + 1, '\0');
    DWORD n = nameBuffer, t = 0;
    long st = RegEnumValueA(K(key), index, &buf[0], &n, nullptr, &t, nullptr, nullptr);
    if (st == ERROR_SUCCESS || st == ERROR_MORE_DATA) *name = FromAnsi(buf.substr(0, n < nameBuffer ? n : nameBuffer));
    if (type) *type = t;
    return st;
}

}  // namespace sys
