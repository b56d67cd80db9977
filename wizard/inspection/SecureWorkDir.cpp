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

bool Restrict(const std::wstring& path, bool directory) {
    uint32_t error = 0;
    if (sys::RestrictToAdministrators(path, directory, &error)) return true;
    IniHand::WriteLog(L"rights not set, error " + std::to_wstring(error) + L": " + path);
    return false;
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
    uint32_t listing = 0;
    for (const auto& f : sys::FindFiles(kt + L"\\*.*", &listing))
        if (f.name != L"." && f.name != L"..") files.push_back(kt + L"\\" + f.name);
    // What cannot be checked is not trusted: an access list that another
    // user set can keep administrators from reading kt's listing or owners
    // (and from changing its list) as well as it can let them run a file.
    bool ours = listing == 0 && sys::FileOwner(kt) == sys::Owner::Ours;
    for (const auto& f : files) ours = ours && sys::FileOwner(f) == sys::Owner::Ours;
    ours = ours && Restrict(kt, true);
    for (const auto& f : files) ours = ours && Restrict(f, false);
    if (!ours) {
        IniHand::WriteLog(L"kt belongs to another user or cannot be secured: " + kt);
        Rs.KtRefused = true;
        return false;
    }
    if (!Rs.TriggerFile.empty()) Restrict(Rs.TriggerFile, false);
    return true;
}

}  // namespace SecureWorkDir
