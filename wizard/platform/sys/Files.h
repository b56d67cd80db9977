// File-system calls (kernel32, ANSI entry points).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sys/Types.h"

namespace sys {

constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrSystem = 0x04;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrNormal = 0x80;

struct FoundFile {
    std::wstring name;    // name only, no directory
    uint32_t attributes;  // kAttr* bits
};

// FindFirstFileA/FindNextFileA over a pattern such as "C:\dir\*.*". Entries
// come in the order the system lists them, "." and ".." included. *error,
// when given, is 0 when the listing is whole (no match or a missing
// directory included), else the system's reason that it stopped.
std::vector<FoundFile> FindFiles(const std::wstring& pattern, uint32_t* error = nullptr);

bool DeleteFile(const std::wstring& path);
bool CreateDirectory(const std::wstring& path);
bool SetFileAttributes(const std::wstring& path, uint32_t attributes);
// CopyFileA(source, destination, FALSE): overwrites.
bool CopyFile(const std::wstring& source, const std::wstring& destination);

// CreateFileA(CREATE_NEW) and close: false where a file of that name exists.
bool CreateNewFile(const std::wstring& path);
// Opens for appending (creating when missing), writes the bytes, closes. A
// file that is hidden or system, or has a second name (a hard link), is not
// written to: false.
bool AppendToFile(const std::wstring& path, const Ansi& bytes);
// Whole file as bytes; false when it cannot be read, with the system's reason
// in *error when given (kErrorFileNotFound or kErrorPathNotFound: not there).
bool ReadWholeFile(const std::wstring& path, Ansi* bytes, uint32_t* error = nullptr);
// Creates or replaces the file with the bytes.
bool WriteWholeFile(const std::wstring& path, const Ansi& bytes);

// GetTempFileNameA(directory, prefix, 0, buffer): 0 on failure, else the
// unique number; the created file's full name in *name.
uint32_t GetTempFileName(const std::wstring& directory, const std::wstring& prefix, std::wstring* name);
// GetShortPathNameA with a buffer of `bufferChars` characters (the length
// passed to the call). Returns the call's result; *out gets the buffer text.
uint32_t GetShortPathName(const std::wstring& path, uint32_t bufferChars, std::wstring* out);

struct DiskFree {
    uint32_t sectorsPerCluster = 0;
    uint32_t bytesPerSector = 0;
    uint32_t freeClusters = 0;
    uint32_t totalClusters = 0;
};
// GetDiskFreeSpaceA; on failure every field stays 0.
bool GetDiskFreeSpace(const std::wstring& root, DiskFree* out);

}  // namespace sys
