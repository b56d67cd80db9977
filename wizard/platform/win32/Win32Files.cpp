#include "platform/sys/Errors.h"
#include "platform/sys/Files.h"
#include "platform/sys/Profile.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/Win32.h"

namespace sys {

static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND && kErrorAccessDenied == ERROR_ACCESS_DENIED);

std::vector<FoundFile> FindFiles(const std::wstring& pattern, uint32_t* error) {
    std::vector<FoundFile> out;
    WIN32_FIND_DATAA fd;
    win32::AutoFindClose search(FindFirstFileA(ToAnsi(pattern).c_str(), &fd));
    if (search.IsValid()) {
        do {
            out.push_back({FromAnsi(fd.cFileName), fd.dwFileAttributes});
        } while (FindNextFileA(search.Get(), &fd));
    }
    // No match, no directory or the listing's end; anything else cut it short.
    DWORD reason = GetLastError();
    if (error)
        *error = reason == ERROR_NO_MORE_FILES || reason == ERROR_FILE_NOT_FOUND || reason == ERROR_PATH_NOT_FOUND
                     ? 0
                     : reason;
    return out;
}

bool DeleteFile(const std::wstring& path) { return DeleteFileA(ToAnsi(path).c_str()) != 0; }
bool CreateDirectory(const std::wstring& path) { return CreateDirectoryA(ToAnsi(path).c_str(), nullptr) != 0; }
bool SetFileAttributes(const std::wstring& path, uint32_t attributes) {
    return SetFileAttributesA(ToAnsi(path).c_str(), attributes) != 0;
}
bool CopyFile(const std::wstring& source, const std::wstring& destination) {
    return CopyFileA(ToAnsi(source).c_str(), ToAnsi(destination).c_str(), FALSE) != 0;
}

namespace {
bool WriteBytes(const std::wstring& path, const Ansi& bytes, DWORD disposition, bool append) {
    win32::AutoCloseHandle file(CreateFileA(ToAnsi(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    if (append) {
        // Somebody else's file in a place that every user may write (the
        // root of C:): hidden or system, or a hard link to another file.
        BY_HANDLE_FILE_INFORMATION info;
        if (GetFileInformationByHandle(file.Get(), &info) &&
            ((info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) || info.nNumberOfLinks > 1))
            return false;
        SetFilePointer(file.Get(), 0, nullptr, FILE_END);
    }
    DWORD written = 0;
    return bytes.empty() || (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                             written == bytes.size());
}
}  // namespace

bool CreateNewFile(const std::wstring& path) { return WriteBytes(path, "", CREATE_NEW, false); }
bool AppendToFile(const std::wstring& path, const Ansi& bytes) { return WriteBytes(path, bytes, OPEN_ALWAYS, true); }
bool WriteWholeFile(const std::wstring& path, const Ansi& bytes) {
    return WriteBytes(path, bytes, CREATE_ALWAYS, false);
}

bool ReadWholeFile(const std::wstring& path, Ansi* bytes, uint32_t* error) {
    win32::AutoCloseHandle file(CreateFileA(ToAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    bytes->clear();
    char buf[4096];
    DWORD got = 0;
    BOOL read = FALSE;
    if (file.IsValid())
        while ((read = ReadFile(file.Get(), buf, sizeof buf, &got, nullptr)) && got > 0) bytes->append(buf, got);
    // A read that fails part way (a disk error, a medium taken out) is no whole file.
    if (read) return true;
    if (error) *error = GetLastError();
    return false;
}

uint32_t GetTempFileName(const std::wstring& directory, const std::wstring& prefix, std::wstring* name) {
    char buf[576] = {};
    UINT n = GetTempFileNameA(ToAnsi(directory).c_str(), ToAnsi(prefix).c_str(), 0, buf);
    if (n) *name = FromAnsi(buf);
    return n;
}

uint32_t GetShortPathName(const std::wstring& path, uint32_t bufferChars, std::wstring* out) {
    std::string buf(bufferChars + 1, '\0');
    DWORD n = GetShortPathNameA(ToAnsi(path).c_str(), &buf[0], bufferChars);
    if (n > 0 && n < bufferChars) *out = FromAnsi(buf.substr(0, n));
    return n;
}

bool GetDiskFreeSpace(const std::wstring& root, DiskFree* out) {
    DWORD spc = 0, bps = 0, freec = 0, total = 0;
    bool ok = GetDiskFreeSpaceA(ToAnsi(root).c_str(), &spc, &bps, &freec, &total) != 0;
    if (ok) *out = DiskFree{spc, bps, freec, total};
    return ok;
}

uint32_t GetPrivateProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                                 uint32_t bufferChars, const std::wstring& file, std::wstring* out) {
    std::string buf(bufferChars + 1, ' ');
    DWORD n = GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(def).c_str(), &buf[0],
                                       bufferChars, ToAnsi(file).c_str());
    *out = FromAnsi(buf.substr(0, n));
    return n;
}

bool WritePrivateProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                               const std::wstring& file) {
    return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(value).c_str(),
                                      ToAnsi(file).c_str()) != 0;
}

bool FlushPrivateProfile(const std::wstring& file) {
    return WritePrivateProfileStringA(nullptr, nullptr, nullptr, ToAnsi(file).c_str()) != 0;
}

bool RemoveProfileSection(const std::wstring& section, const std::wstring& file) {
    return WritePrivateProfileStructA(ToAnsi(section).c_str(), nullptr, nullptr, 0, ToAnsi(file).c_str()) != 0;
}

}  // namespace sys
