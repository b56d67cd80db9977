#include "platform/StringTable.h"

#include "platform/NumberText.h"
#include "platform/sys/Library.h"

namespace StringTable {

std::wstring ProgramString(uint32_t id) {
    std::wstring text;
    sys::LoadString(sys::ProgramModule(), id, 2048, &text);
    return text;
}

double ProgramNumber(uint32_t id) { return NumberText::Parse(ProgramString(id)); }

}  // namespace StringTable
