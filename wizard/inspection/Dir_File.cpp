#include "inspection/Dir_File.h"

#include "core/CreateTempFile.h"
#include "core/RunState.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/sys/Files.h"
#include "platform/sys/System.h"

namespace Dir_File {

namespace {

bool DirectoryExists(const std::wstring& dir) {
    std::wstring d = dir;
    while (d.size() > 3 && d.back() == L'\\') d.pop_back();
    // A drive root has no entry of its own in a listing.
    if (d.size() <= 3 && d.size() >= 2 && d[1] == L':') return true;
    for (const auto& f : sys::FindFiles(d))
        if (f.attributes & sys::kAttrDirectory) return true;
    return false;
}

}  // namespace

void GetSystemDirectories() {
    IniHand::WriteLog(L"get system directories START");
    std::wstring dir;
    sys::GetWindowsDirectory(200, &dir);
    Rs.WindowsDir = dir + L"\\";
    dir.clear();
    sys::GetSystemDirectory(255, &dir);
    Rs.SystemDir = dir + L"\\";
    Rs.TempDir = TempDirectory();
    if (!Rs.TempDir.empty() && !DirectoryExists(Rs.TempDir)) sys::CreateDirectory(Rs.TempDir);
    Rs.WorkDir = Rs.TempDir;
    Rs.TriggerFile = CreateTempFile::MakeTempFile(L"KTI");
    Rs.StartupDir =
        RegAccess::GetText(RegAccess::kCurrentUser,
                           L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", L"Startup", L"");
    Rs.WindowsDrive = Rs.WindowsDir.substr(0, 2);
    Rs.FreeDiskSpace = GetFreeDiskSpace(Rs.WindowsDrive + L"\\");
    Rs.ProgramFilesDir = RegAccess::GetText(RegAccess::kLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                            L"ProgramFilesDir", L"") +
                         L"\\";
    IniHand::WriteLog(L"get system directories END");
}

double GetFreeDiskSpace(const std::wstring& root) {
    sys::DiskFree d;
    sys::GetDiskFreeSpace(root, &d);
    return static_cast<double>(d.freeClusters) * d.sectorsPerCluster * d.bytesPerSector;
}

std::wstring GetShortPath(const std::wstring& path) {
    std::wstring shortPath;
    uint32_t n = sys::GetShortPathName(path, 164, &shortPath);
    if (n == 0 || n >= 165) return L"";
    return shortPath.substr(0, n);
}

std::wstring InProgramDirectory(const std::wstring& name) {
    std::wstring dir = sys::ProgramDirectory();
    if (dir.empty() || dir.back() != L'\\') dir += L'\\';
    return dir + name;
}

std::wstring TempDirectory() {
    std::wstring dir;
    sys::GetTempPath(512, &dir);
    return dir.substr(0, dir.find(L'\0'));
}

}  // namespace Dir_File
