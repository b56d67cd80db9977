// Locale calls (kernel32): the system default locale and its items.
#pragma once

#include <cstdint>

#include "platform/sys/Types.h"

namespace sys {

// Locale items (LOCALE_*).
constexpr uint32_t kLocaleICountry = 0x0005;
constexpr uint32_t kLocaleSEngCountry = 0x1002;

uint32_t GetSystemDefaultLCID();

// GetACP: the system's ANSI code page, the one of every 8-bit text the wizard
// hands to Windows.
uint32_t GetACP();
// IsDBCSLeadByte: the byte begins a character of two bytes in the ANSI code
// page (never on a single-byte one).
bool IsLeadByte(uint8_t byte);

// GetLocaleInfoW(locale, type, NULL, 0): the size of the item in characters
// with its terminating null, 0 on failure. Does nothing (0) on Windows 9x.
uint32_t GetLocaleInfoWSize(uint32_t locale, uint32_t type);
// GetLocaleInfoW(locale, type, buffer, bufferChars). *buffer is the buffer:
// it holds bufferChars characters before and after the call, and the call
// writes the item and its null at the start (on success only). Returns the
// call's result: characters written with the null, 0 on failure.
uint32_t GetLocaleInfoW(uint32_t locale, uint32_t type, uint32_t bufferChars, std::wstring* buffer);

// The same through GetLocaleInfoA; sizes count bytes of the ANSI code page,
// the item arrives converted to Unicode.
uint32_t GetLocaleInfoASize(uint32_t locale, uint32_t type);
uint32_t GetLocaleInfoA(uint32_t locale, uint32_t type, uint32_t bufferChars, std::wstring* buffer);

}  // namespace sys
