#include "inspection/ComPorts.h"

#include <cwctype>
#include <string>

#include "core/RunState.h"
#include "platform/RegAccess.h"
#include "platform/sys/System.h"

namespace ComPorts {

namespace {

using RegAccess::kLocalMachine;

const wchar_t* const kSerialMap = L"Hardware\\DeviceMap\\SerialComm";

std::wstring Upper(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

}  // namespace

bool IsComPortPresent(int16_t port) {
    if (!RegAccess::KeyExists(false, kLocalMachine, kSerialMap, L"")) return false;
    std::wstring wanted = L"COM" + std::to_wstring(port);
    if (Rs.OsPlatformId != sys::kPlatformNT) {
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
