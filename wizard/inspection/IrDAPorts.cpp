#include "inspection/IrDAPorts.h"

#include <cwctype>

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"

namespace {

using RegAccess::kLocalMachine;

const wchar_t* const kSerialMap = L"Hardware\\DeviceMap\\SerialComm";

bool Exists(const std::wstring& key) { return RegAccess::KeyExists(false, kLocalMachine, key, L""); }

std::wstring Upper(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

}  // namespace

namespace CheckIRDA {

void CheckIRDA() {
    Rs.IrDAPresent = false;
    std::wstring devices = L"1";
    std::wstring productKey = L"Software\\" + Rs.ProductName;
    if (!Exists(productKey)) RegAccess::CreateKey(kLocalMachine, productKey);
    RegAccess::SetText(kLocalMachine, productKey, L"InstalledDevices", L"0");
    const std::wstring& os = Rs.OsName;
    bool found = false;
    if (os == L"Win2K" || os == L"WinXP") {
        found = Exists(L"System\\CurrentControlSet\\Enum\\Root\\Legacy_IRDA");
    } else if (os == L"Win98" || os == L"Win95" || os == L"WinME") {
        found = Exists(L"Enum\\INFRARED");
    }
    if (found) {
        Rs.IrDAPresent = true;
        devices = L"3";
    }
    if (os == L"WinME") {
        Rs.IrDANeedsMEPatch = false;
        if (!found && Exists(L"Enum\\Network\\IRDA")) {
            Rs.IrDAPresent = true;
            devices = L"3";
            Rs.IrDANeedsMEPatch = true;
        }
    }
    RegAccess::SetText(kLocalMachine, productKey, L"InstalledDevices", devices);
    IniHand::WriteLog(std::wstring(L"IRDA detected: ") + (Rs.IrDAPresent ? L"True" : L"False"));
}

}  // namespace CheckIRDA

namespace ComPorts {

bool IsComPortPresent(int16_t port) {
    if (!Exists(kSerialMap)) return false;
    std::wstring wanted = L"COM" + std::to_wstring(port);
    if (Rs.OsPlatformId != 2) {
        for (int i = 0; i <= 9; ++i) {
            if (Upper(RegAccess::GetText(kLocalMachine, kSerialMap, L"COM" + std::to_wstring(i), L"99")) == wanted)
                return true;
        }
        return false;
    }
    for (const auto& name : RegAccess::EnumKey(kLocalMachine, kSerialMap).ValueNames) {
        if (Upper(name).find(L"SERIAL") == std::wstring::npos) continue;
        if (Upper(RegAccess::GetText(kLocalMachine, kSerialMap, name, L"99")) == wanted) return true;
    }
    return false;
}

}  // namespace ComPorts

namespace CheckIrComm2k {

void CheckIrComm2k() {
    if (Rs.OsName != L"Win2K") return;
    if (Exists(L"System\\CurrentControlSet\\Enum\\IrComm2k\\Bridge\\0000")) {
        Rs.MessageId = 115;
        frmMessage::ShowModal();
    }
    if (Exists(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Windows 2000 Virtual IrComm")) {
        Rs.MessageId = 116;
        frmMessage::ShowModal();
    }
}

}  // namespace CheckIrComm2k
