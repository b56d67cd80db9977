// The exchange file and other temporary files in the temporary directory.
#pragma once

#include <string>

namespace CreateTempFile {

// A new, empty file in Rs.TempDir named from up to three characters of the
// prefix, a hexadecimal number and ".TMP"; "" (and no log line) on failure.
std::wstring MakeTempFile(const std::wstring& prefix);

}  // namespace CreateTempFile
