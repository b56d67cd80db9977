// The Win32 error codes (winerror.h) that calls of the seam return. The Win32
// adapters pass the system's codes through and check that they agree with
// these; the host fakes return these; the seam's users compare with these.
#pragma once

namespace sys {

constexpr long kErrorSuccess = 0;               // ERROR_SUCCESS
constexpr long kErrorFileNotFound = 2;          // ERROR_FILE_NOT_FOUND: also a missing key or value
constexpr long kErrorPathNotFound = 3;          // ERROR_PATH_NOT_FOUND
constexpr long kErrorAccessDenied = 5;          // ERROR_ACCESS_DENIED
constexpr long kErrorInvalidHandle = 6;         // ERROR_INVALID_HANDLE
constexpr long kErrorBadPathname = 161;         // ERROR_BAD_PATHNAME
constexpr long kErrorBadExeFormat = 193;        // ERROR_BAD_EXE_FORMAT: a damaged module
constexpr long kErrorMoreData = 234;            // ERROR_MORE_DATA: the buffer was too small
constexpr long kErrorNoMoreItems = 259;         // ERROR_NO_MORE_ITEMS: an enumeration's end
constexpr long kErrorCallNotImplemented = 120;  // ERROR_CALL_NOT_IMPLEMENTED: a call that 9x lacks

}  // namespace sys
