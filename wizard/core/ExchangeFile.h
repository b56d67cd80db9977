// Values the companion programs report in the exchange file (Rs.TriggerFile).
#pragma once

#include <cstdint>
#include <string>

namespace ExchangeFile {

// A decimal integer as the companions write it: optional blanks, an optional
// sign, digits, optional blanks, within 16 bits. False, and *value untouched,
// for anything else ("", "abc", "1x", "12.5", "99999").
bool ToNumber(const std::wstring& text, int16_t* value);

// The same for a progress value, except that one beyond 16 bits saturates at
// -32768 or 32767: "70000" still reads as above 100 (finished), so a
// companion that reports it does not leave its page waiting forever.
bool ToProgress(const std::wstring& text, int16_t* value);

// ReadIni of section/key in the exchange file.
std::wstring Read(const std::wstring& section, const std::wstring& key, const std::wstring& def);

}  // namespace ExchangeFile
