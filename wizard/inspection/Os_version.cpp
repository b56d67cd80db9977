#include "inspection/Os_version.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"
#include "platform/sys/System.h"

namespace {

const wchar_t* const kNotSupported = L"Nicht unterst\u00fctztes Betriebssystem";
const wchar_t* const kUnknown = L"Unbekanntes Betriebsystem";

void Stop(int16_t message) {
    Rs.MessageId = message;
    frmMessage::ShowModal();
}

std::wstring Classify(uint32_t platform, uint32_t major, uint32_t minor) {
    if (platform == 2) {
        if (major == 4) return L"WinNT";
        if (major == 5) return minor == 0 ? L"Win2K" : L"WinXP";
        return kNotSupported;
    }
    if (platform == 1) {
        if (minor < 10) return L"Win95";
        if (minor < 90) return L"Win98";
        if (minor == 90) return L"WinME";
        return kNotSupported;
    }
    if (platform == 0) return kNotSupported;
    return kUnknown;
}

}  // namespace

namespace Os_version {

void GetOsVersion() {
    IniHand::WriteLog(L"get OS information START");
    sys::OsVersion v;
    sys::GetVersionEx(&v);
    Rs.OsName = Classify(v.platformId, v.major, v.minor);
    Rs.OsServicePack = sys::FromAnsi(v.servicePack);
    Rs.OsPlatformId = static_cast<int32_t>(v.platformId);
    IniHand::WriteLog(L"detected OS: " + Rs.OsName);
    // The field is kept whole; the log, a text file, gets it up to its first NUL.
    IniHand::WriteLog(L"detected OSSubVersion: " + Rs.OsServicePack.substr(0, Rs.OsServicePack.find(L'\0')));
    if (Rs.OsName == kNotSupported) Stop(107);
    if (Rs.OsName == kUnknown) Stop(105);
    IniHand::WriteLog(L"get OS information END");
}

}  // namespace Os_version

namespace GetBrowserVersion {

void ReadBrowserVersion() {
    Rs.BrowserVersion =
        RegAccess::GetText(RegAccess::kLocalMachine, L"Software\\Microsoft\\Internet Explorer", L"Version", L"");
    IniHand::WriteLog(L"detected Internet Explorer Version: " + Rs.BrowserVersion);
}

void CheckBrowserVersion() {
    // A plain text comparison by character code, not by version fields.
    if (Rs.BrowserVersion < StringTable::ProgramString(1007)) Stop(108);
}

}  // namespace GetBrowserVersion

namespace CheckServicePack2k {

void CheckServicePack2k() {
    if (Rs.OsName == L"Win2K" && Rs.OsServicePack.find(L"Service Pack") == std::wstring::npos) Stop(114);
}

}  // namespace CheckServicePack2k
