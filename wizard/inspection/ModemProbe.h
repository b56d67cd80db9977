// Binding to the probe library ktmodem: loaded by name at the first call and
// kept for the rest of the run.
#pragma once

#include <cstdint>
#include <string>

namespace ModemProbe {

// The library's export "_detectModemPort@40", with the strings converted to
// the ANSI code page. Returns the port on which the phone answered, 0 if none.
// A missing library or entry point ends the run with an error naming it.
int32_t detectModemPort(const std::wstring& preferredPort, const std::wstring& baudRate,
                        const std::wstring& readTimeout, const std::wstring& writeTimeout,
                        const std::wstring& idCommand, const std::wstring& match1, const std::wstring& match2,
                        const std::wstring& match3, const std::wstring& followUp1, const std::wstring& followUp2);

// The ports of a search as the library's preferredPort takes them: the
// numbers of ComPorts::SearchPorts separated by commas ("1,2,3,4,5,6,7,8,9,12";
// a library that predates the list reads "1", COM1 then COM2 to COM9).
std::wstring SearchList();

// The call of every modem search: the ports of SearchList in their order, at
// 57600 bit/s with 10 ms time-outs, "ATI9" answered with "VALMOR" (any case),
// "72" or "73", no follow-up commands.
int32_t DetectModemPort();

// Drops the loaded library without unloading it, so the next call loads it
// again (for tests).
void ForgetLibrary();

}  // namespace ModemProbe
