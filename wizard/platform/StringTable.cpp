#include "platform/StringTable.h"

#include <cwchar>

#include "platform/sys/Library.h"

namespace StringTable {

std::wstring ProgramString(uint32_t id) {
    std::wstring text;
    sys::LoadString(sys::ProgramModule(), id, 2048, &text);
    return text;
}

double ProgramNumber(uint32_t id) { return std::wcstod(ProgramString(id).c_str(), nullptr); }

}  // namespace StringTable
