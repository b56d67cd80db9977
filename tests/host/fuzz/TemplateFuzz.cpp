// The rewrite of the Windows 9x driver template: any template bytes, any port
// name registered for the infrared virtual port.
#include <string>

#include "FuzzInput.h"
#include "TestSupport.h"
#include "install/WriteSetupData.h"
#include "platform/RegAccess.h"

namespace {

// The template's lines, each ended by CR LF as the driver file has them.
std::string CrLfLines(const std::string& text) {
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out += text.substr(start, end - start) + "\r\n";
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::map<uint32_t, std::wstring> config = (testsupport::FreshWorld(), fake::W().modules[0].strings);
    fake::Reset();
    ResetRunState();
    fake::W().modules[0].strings = config;
    fuzz::Input in(data, size);

    static const wchar_t* const kSystems[] = {L"Win95", L"Win98", L"WinME"};
    Rs.OsName = kSystems[in.Byte() % 3];
    Rs.NoPortSkip = in.Byte() & 1;
    Rs.TempDir = Rs.WorkDir = L"C:\\TEMP\\";
    Rs.WindowsDir = L"C:\\WINDOWS\\";
    Rs.TriggerFile = L"C:\\TEMP\\KTI1A.TMP";
    Rs.ComPort = in.Text();
    bool portKnown = in.Byte() & 1;
    std::wstring port = in.Text();
    if (portKnown)
        fake::SetString(RegAccess::kLocalMachine, L"Enum\\Infrared\\COM\\ROOT&INFRARED&0000", L"PortName", port);
    fake::PutDir(L"C:\\TEMP\\kt");
    fake::PutDir(L"C:\\WINDOWS\\inf");
    std::string tmpl = in.Rest();
    fake::PutFile(L"C:\\TEMP\\kt\\mdmvlm9x.in_", tmpl);

    WriteSetupData::WriteSetupData();

    fuzz::Check(fake::HasFile(L"C:\\TEMP\\kt\\mdmvlm.inf"), "no driver file from the template");
    std::string inf = fake::FileBytes(L"C:\\TEMP\\kt\\mdmvlm.inf");
    if (!portKnown || port == L"COM4")
        fuzz::Check(inf == CrLfLines(tmpl), "the driver file differs from its template with the port unchanged");
    if (Rs.NoPortSkip) fuzz::Check(fake::FileBytes(L"C:\\WINDOWS\\inf\\mdmvlm.inf") == inf, "the inf copy differs");
    return 0;
}
