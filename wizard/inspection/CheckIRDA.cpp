#include "inspection/CheckIRDA.h"

#include <string>

#include "core/RunState.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"

namespace CheckIRDA {

namespace {

using RegAccess::kLocalMachine;

bool Exists(const std::wstring& key) { return RegAccess::KeyExists(false, kLocalMachine, key, L""); }

}  // namespace

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
