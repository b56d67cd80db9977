// Locale detection: the language Windows was built in (from shell32.dll's
// version resource), the country of the system default locale, and the table
// from language ids to the codes that name the language libraries.
#pragma once

#include <cstdint>
#include <string>

namespace Sprache {

// Fills Rs.CountryName, CountryCode, LanguageId, SystemCodePage and
// LanguageCode, with four log lines. A failing step is skipped.
void GetCountryInformation();

// Locale item infoType (LOCALE_*) of the system default locale; the ANSI call
// stands in where the wide one does nothing (Windows 9x).
std::wstring GetLocaleString(uint32_t infoType);

// Language of shell32.dll's first version translation as four upper-case hex
// digits ("" without version information); sets Rs.SystemCodePage.
std::wstring GetSystemLanguageId();

// Two-letter code for a four-digit language id, "" when it is not in the table.
std::wstring LanguageCodeFromId(const std::wstring& id);

// First version translation of a file as eight upper-case hex digits
// (language, code page), "" when the file has no version information.
std::wstring GetFileTranslation(const std::wstring& path);

// The low and high 16 bits of x as signed numbers.
int16_t LoWord(uint32_t x);
int16_t HiWord(uint32_t x);

}  // namespace Sprache
