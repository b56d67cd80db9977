#include "inspection/Os_version.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/IniHand.h"
#include "platform/sys/System.h"

namespace Os_version {

namespace {

const wchar_t* const kNotSupported = L"Nicht unterst\u00fctztes Betriebssystem";
const wchar_t* const kUnknown = L"Unbekanntes Betriebsystem";

std::wstring Classify(uint32_t platform, uint32_t major, uint32_t minor) {
    if (platform == sys::kPlatformNT) {
        if (major == 4) return L"WinNT";
        if (major == 5) return minor == 0 ? L"Win2K" : L"WinXP";
        return kNotSupported;
    }
    if (platform == sys::kPlatformWindows) {
        if (minor < 10) return L"Win95";
        if (minor < 90) return L"Win98";
        if (minor == 90) return L"WinME";
        return kNotSupported;
    }
    if (platform == sys::kPlatformWin32s) return kNotSupported;
    return kUnknown;
}

}  // namespace

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
    if (Rs.OsName == kNotSupported) frmMessage::ShowMessage(107);
    if (Rs.OsName == kUnknown) frmMessage::ShowMessage(105);
    IniHand::WriteLog(L"get OS information END");
}

}  // namespace Os_version
