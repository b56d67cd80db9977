// The wizard's own string table (configuration values, message 9999).
#pragma once

#include <cstdint>
#include <string>

namespace StringTable {

// The text of entry id of the program's own string resources, "" when absent.
std::wstring ProgramString(uint32_t id);

// The entry read as a number, as the configuration values are (0 when not a number).
double ProgramNumber(uint32_t id);

}  // namespace StringTable
