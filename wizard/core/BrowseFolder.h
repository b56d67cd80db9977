// The folder a companion program asks the user for.
#pragma once

#include <string>

#include "platform/sys/Types.h"

namespace BrowseFolder {

// Shows the system folder dialog owned by `owner` (titled with language
// string 103) until the user picks a folder, then answers in the exchange
// file: "Path" and "GetDirectory" = "0" in section "CM_32", and the same in
// `section` when the request was raised elsewhere, so that it is not raised
// again. Clears Rs.DirectoryRequestBusy.
void AnswerDirectoryRequest(sys::Handle owner, const std::wstring& section = L"CM_32");

}  // namespace BrowseFolder
