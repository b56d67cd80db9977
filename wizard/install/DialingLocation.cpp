#include "install/DialingLocation.h"

#include <cwchar>
#include <cwctype>

#include "core/RunState.h"
#include "core/runApp.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"

namespace DialingLocation {

namespace {

// "dword:" and the country code as eight hexadecimal digits.
std::wstring CountryDword() {
    wchar_t buf[16];
    unsigned long code = std::wcstoul(Rs.CountryCode.c_str(), nullptr, 10);
    swprintf(buf, 16, L"%08lX", code);
    return std::wstring(L"dword:") + buf;
}

void WriteCountry(const std::wstring& file, const std::wstring& location) {
    IniHand::WriteIni(L"HKEY_LOCAL_MACHINE\\" + location, L"\"country\"", CountryDword(), file);
}

}  // namespace

void SetDialingLocation() {
    const std::wstring kt = Rs.WorkDir + L"kt\\";
    const std::wstring& os = Rs.OsName;
    if (os == L"Win98" || os == L"Win95" || os == L"WinME") {
        std::wstring telephon = Rs.WindowsDir + L"telephon.ini";
        if (IniHand::ReadIni(L"Locations", L"Location0", L"", telephon).empty()) {
            IniHand::WriteIni(L"Locations", L"CurrentLocation", L"0,0", telephon);
            IniHand::WriteIni(L"Locations", L"Locations", L"1,1", telephon);
            IniHand::WriteIni(L"Locations", L"Location0",
                              L"0,\"Standardstandort\",\"\",\"\",\"\"," + Rs.CountryCode + L",0,0,1,\"\",0,\"\"",
                              telephon);
            IniHand::WriteIni(L"Locations", L"Inited", L"1", telephon);
            // TAPI reads the file itself.
            IniHand::FlushIni(telephon);
        }
        WriteCountry(kt + L"tel.reg", L"Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location0");
        // regedit, started next, reads the file itself.
        IniHand::FlushIni(kt + L"tel.reg");
        if (!RegAccess::KeyExists(false, RegAccess::kLocalMachine,
                                  L"Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location0",
                                  L""))
            runApp::StartProgram(runApp::ProgramPath(Rs.WindowsDir + L"regedit.exe") + L" /s " +
                                 runApp::ProgramPath(kt + L"tel.reg"));
    } else if (os == L"Win2K") {
        WriteCountry(kt + L"wp2000.reg",
                     L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location1");
    }
}

void ReadProviderVersion() {
    Rs.VersionText = StringTable::ProgramString(1016) +
                     IniHand::ReadIni(L"Version", L"Number", L"0", Rs.WorkDir + L"kt\\provider.ini");
}

}  // namespace DialingLocation
