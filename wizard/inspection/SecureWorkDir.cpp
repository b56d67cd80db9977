#include "inspection/SecureWorkDir.h"

#include <string>
#include <vector>

#include "core/RunState.h"
#include "platform/IniHand.h"
#include "platform/sys/Files.h"
#include "platform/sys/Security.h"
#include "platform/sys/System.h"

namespace SecureWorkDir {

namespace {

// "C:\" of "C:\TEMP\kt", "\\server\share\" of a UNC path.
std::wstring VolumeRoot(const std::wstring& path) {
    if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2) + L"\\";
    size_t at = path.rfind(L"\\\\", 0) == 0 ? path.find(L'\\', path.find(L'\\', 2) + 1) : std::wstring::npos;
    return at == std::wstring::npos ? path : path.substr(0, at + 1);
}

void Restrict(const std::wstring& path, bool directory) {
    uint32_t error = 0;
    if (!sys::RestrictToAdministrators(path, directory, &error))
        IniHand::WriteLog(L"rights not set, error " + std::to_wstring(error) + L": " + path);
}

}  // namespace

bool Secure() {
    Rs.KtRefused = false;
    sys::OsVersion version;
    if (Rs.WorkDir.empty() || !sys::GetVersionEx(&version) || version.platformId != sys::kPlatformNT) return true;
    const std::wstring kt = Rs.WorkDir + L"kt";
    if (!sys::VolumeKeepsAcls(VolumeRoot(kt))) {
        IniHand::WriteLog(L"no access lists on the drive of " + kt);
        return true;
    }
    std::vector<std::wstring> files;
    for (const auto& f : sys::FindFiles(kt + L"\\*.*"))
        if (f.name != L"." && f.name != L"..") files.push_back(kt + L"\\" + f.name);
    bool foreign = sys::FileOwner(kt) == sys::Owner::Other;
    for (const auto& f : files) foreign = foreign || sys::FileOwner(f) == sys::Owner::Other;
    if (foreign) {
        IniHand::WriteLog(L"kt belongs to another user: " + kt);
        Rs.KtRefused = true;
        return false;
    }
    Restrict(kt, true);
    for (const auto& f : files) Restrict(f, false);
    if (!Rs.TriggerFile.empty()) Restrict(Rs.TriggerFile, false);
    return true;
}

}  // namespace SecureWorkDir
