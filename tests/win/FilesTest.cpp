// Log, INI files, temporary files, directories and process launch against the
// real Win32 API. What a call writes is read from storage prefilled with a
// marker, so that a call which wrote nothing cannot pass for one that did.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "core/CreateTempFile.h"
#include "core/RunState.h"
#include "core/runApp.h"
#include "inspection/DelFiles.h"
#include "inspection/Dir_File.h"
#include "platform/IniHand.h"

namespace {

std::string Slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Self() {
    char buf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    return buf;
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRunState();
        CreateDirectoryA("C:\\wiztest", nullptr);
        DeleteFileA("C:\\gprs_log.txt");
    }
    void TearDown() override {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA("C:\\wiztest\\*", &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string n = std::string("C:\\wiztest\\") + fd.cFileName;
                SetFileAttributesA(n.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(n.c_str());
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA("C:\\wiztest");
        DeleteFileA("C:\\gprs_log.txt");
    }
};

TEST_F(FilesTest, LogLinesHaveTabsTimeDateAndCrLf) {
    IniHand::WriteLog(L"first line");
    IniHand::WriteLog(L"");
    std::string log = Slurp("C:\\gprs_log.txt");
    size_t eol = log.find("\r\n");
    ASSERT_NE(eol, std::string::npos);
    std::string first = log.substr(0, eol), second = log.substr(eol + 2);
    EXPECT_EQ(first.substr(0, 11), "first line\t");
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), 2);
    // The time as the system formats it; the count includes the NUL.
    char time[64];
    std::memset(time, '#', sizeof time);
    int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    ASSERT_GT(n, 1);
    EXPECT_EQ(time[n - 1], '\0');
    EXPECT_EQ(time[n], '#') << "written beyond the time";
    EXPECT_EQ(first.substr(11, 2), std::string(time).substr(0, 2)) << first;
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second[0], '\t');
    EXPECT_EQ(second.substr(second.size() - 2), "\r\n");
    // The file is closed after each line: another writer may open it at once.
    HANDLE h = CreateFileA("C:\\gprs_log.txt", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
}

TEST_F(FilesTest, IniValuesThroughTheProfileFunctions) {
    const std::wstring f = L"C:\\wiztest\\x.ini";
    IniHand::WriteIni(L"Variables", L"ComPort", L"COM1", f);
    IniHand::WriteIni(L"Variables", L"Empty", L"", f);
    IniHand::WriteIni(L"Long", L"v", std::wstring(3000, L'a'), f);
    EXPECT_EQ(IniHand::ReadIni(L"Variables", L"ComPort", L"0", f), L"COM1");
    EXPECT_EQ(IniHand::ReadIni(L"variables", L"comport", L"0", f), L"COM1");
    EXPECT_EQ(IniHand::ReadIni(L"Variables", L"Empty", L"0", f), L"");
    EXPECT_EQ(IniHand::ReadIni(L"Variables", L"Missing", L"0", f), L"0");
    EXPECT_EQ(IniHand::ReadIni(L"Variables", L"ComPort", L"0", L"C:\\wiztest\\none.ini"), L"0");
    EXPECT_EQ(IniHand::ReadIni(L"Long", L"v", L"", f), std::wstring(2047, L'a'));
    EXPECT_EQ(Slurp("C:\\wiztest\\x.ini").find("[Variables]\r\nComPort=COM1\r\nEmpty=\r\n"), 0u);
}

TEST_F(FilesTest, TempFilesAreUniqueEmptyAndUseThreePrefixCharacters) {
    Rs.TempDir = L"C:\\wiztest\\";
    std::wstring a = CreateTempFile::MakeTempFile(L"KTI"), b = CreateTempFile::MakeTempFile(L"KTIXYZ");
    ASSERT_FALSE(a.empty());
    EXPECT_NE(a, b);
    EXPECT_EQ(a.substr(0, 14), L"C:\\wiztest\\KTI");
    EXPECT_EQ(b.substr(0, 14), L"C:\\wiztest\\KTI");
    EXPECT_EQ(b.find(L"XYZ"), std::wstring::npos);
    EXPECT_TRUE(Exists(sys::ToAnsi(a)));
    EXPECT_TRUE(Exists(sys::ToAnsi(b)));
    Rs.TempDir = L"C:\\wiztest\\missing\\";
    DeleteFileA("C:\\gprs_log.txt");
    EXPECT_EQ(CreateTempFile::MakeTempFile(L"KTI"), L"");
    EXPECT_FALSE(Exists("C:\\gprs_log.txt"));
}

TEST_F(FilesTest, SystemDirectoriesAndTheExchangeFile) {
    Dir_File::GetSystemDirectories();
    // The length without the NUL comes back.
    char win[MAX_PATH];
    std::memset(win, '#', sizeof win);
    UINT n = GetWindowsDirectoryA(win, MAX_PATH);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(n, std::strlen(win));
    EXPECT_EQ(win[n + 1], '#');
    EXPECT_EQ(sys::ToAnsi(Rs.WindowsDir), std::string(win) + "\\");
    EXPECT_EQ(Rs.SystemDir.back(), L'\\');
    EXPECT_EQ(Rs.TempDir.back(), L'\\');
    EXPECT_EQ(Rs.WindowsDrive, Rs.WindowsDir.substr(0, 2));
    // The free space is the product of what GetDiskFreeSpaceA reports, taken
    // in floating point: on NT the product of a large volume passes 32 bits.
    // The 9x family reports at most 2 GB, far above the 50 MB the wizard needs.
    DWORD sectorsPerCluster = 0xdeadbeef, bytesPerSector = 0xdeadbeef, freeClusters = 0xdeadbeef,
          totalClusters = 0xdeadbeef;
    ASSERT_TRUE(GetDiskFreeSpaceA((sys::ToAnsi(Rs.WindowsDrive) + "\\").c_str(), &sectorsPerCluster, &bytesPerSector,
                                  &freeClusters, &totalClusters));
    EXPECT_NE(bytesPerSector, 0xdeadbeefu);
    EXPECT_LE(freeClusters, totalClusters);
    EXPECT_GT(Rs.FreeDiskSpace, 0);
    // Whole clusters, and the same figure as our own query give or take what
    // other programs on this machine wrote in between.
    double cluster = static_cast<double>(sectorsPerCluster) * bytesPerSector;
    EXPECT_EQ(std::fmod(Rs.FreeDiskSpace, cluster), 0.0);
    EXPECT_NEAR(Rs.FreeDiskSpace, static_cast<double>(freeClusters) * cluster, 256.0 * 1024 * 1024);
    EXPECT_EQ(Rs.ProgramFilesDir.back(), L'\\');
    ASSERT_FALSE(Rs.TriggerFile.empty());
    EXPECT_EQ(Rs.TriggerFile.substr(0, Rs.TempDir.size() + 3), Rs.TempDir + L"KTI");
    EXPECT_TRUE(Exists(sys::ToAnsi(Rs.TriggerFile)));
    DeleteFileA(sys::ToAnsi(Rs.TriggerFile).c_str());
}

TEST_F(FilesTest, DeleteFileIfExistsLeavesHiddenFiles) {
    for (const char* n : {"C:\\wiztest\\plain.txt", "C:\\wiztest\\hidden.txt", "C:\\wiztest\\ro.txt"}) {
        HANDLE h = CreateFileA(n, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(h);
    }
    SetFileAttributesA("C:\\wiztest\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    DelFiles::DeleteFileIfExists(L"C:\\wiztest\\plain.txt");
    DelFiles::DeleteFileIfExists(L"C:\\wiztest\\hidden.txt");
    DelFiles::DeleteFileIfExists(L"");
    DelFiles::DeleteFileIfExists(L"C:\\wiztest\\none.txt");
    EXPECT_FALSE(Exists("C:\\wiztest\\plain.txt"));
    EXPECT_TRUE(Exists("C:\\wiztest\\hidden.txt"));
    EXPECT_TRUE(DelFiles::FileExists(L"C:\\wiztest\\ro.txt"));
    EXPECT_FALSE(DelFiles::FileExists(L"C:\\wiztest"));
}

TEST_F(FilesTest, ShortPathHasNoBlanksAndIsEmptyForMissingPaths) {
    CreateDirectoryA("C:\\wiztest\\long name here", nullptr);
    std::wstring s = Dir_File::GetShortPath(L"C:\\wiztest\\long name here");
    RemoveDirectoryA("C:\\wiztest\\long name here");
    EXPECT_FALSE(s.empty());
    EXPECT_EQ(s.find(L' '), std::wstring::npos) << sys::ToAnsi(s);
    EXPECT_EQ(Dir_File::GetShortPath(L"C:\\wiztest\\nothing here"), L"");
    // What the "" rests on: a missing path answers 0 and no name.
    char buf[64];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(GetShortPathNameA("C:\\wiztest\\nothing here", buf, sizeof buf), 0u);
}

TEST_F(FilesTest, RunAndWaitBlocksUntilTheProgramHasEnded) {
    std::wstring self = sys::FromAnsi(Self());
    DWORD t0 = GetTickCount();
    runApp::RunAndWait(runApp::ProgramPath(self) + L" --child C:\\wiztest\\done.txt 400");
    EXPECT_GE(GetTickCount() - t0, 350u);
    EXPECT_TRUE(Exists("C:\\wiztest\\done.txt"));
}

TEST_F(FilesTest, RunAndWaitOfAMissingProgramReturnsAtOnce) {
    DWORD t0 = GetTickCount();
    runApp::RunAndWait(L"C:\\wiztest\\nowhere.exe /x");
    EXPECT_LT(GetTickCount() - t0, 2000u);
}

TEST_F(FilesTest, StartProgramReturnsAtOnceAndTheProgramRunsOn) {
    std::wstring self = sys::FromAnsi(Self());
    runApp::StartProgram(runApp::ProgramPath(self) + L" --child C:\\wiztest\\later.txt 800");
    EXPECT_FALSE(Exists("C:\\wiztest\\later.txt"));
    for (int i = 0; i < 100 && !Exists("C:\\wiztest\\later.txt"); ++i) Sleep(50);
    EXPECT_TRUE(Exists("C:\\wiztest\\later.txt"));
}

TEST_F(FilesTest, AProgramUnderADirectoryWithBlanksRunsWhenQuoted) {
    CreateDirectoryA("C:\\wiztest\\has blank", nullptr);
    ASSERT_TRUE(CopyFileA(Self().c_str(), "C:\\wiztest\\has blank\\child.exe", FALSE));
    runApp::RunAndWait(runApp::ProgramPath(L"C:\\wiztest\\has blank\\child.exe") +
                       L" --child C:\\wiztest\\quoted.txt 0");
    DeleteFileA("C:\\wiztest\\has blank\\child.exe");
    RemoveDirectoryA("C:\\wiztest\\has blank");
    EXPECT_TRUE(Exists("C:\\wiztest\\quoted.txt"));
}

}  // namespace

// In the root of C: (any user's to write) the log follows no hard link and no hidden file.
TEST_F(FilesTest, TheLogGoesNeitherIntoAHiddenFileNorThroughAHardLink) {
    std::ofstream("C:\\wiztest\\target.txt") << "mine";
    ASSERT_TRUE(CreateHardLinkA("C:\\gprs_log.txt", "C:\\wiztest\\target.txt", nullptr));
    IniHand::WriteLog(L"through the link");
    IniHand::StartNewLog();
    IniHand::WriteLog(L"fresh");
    EXPECT_EQ(Slurp("C:\\wiztest\\target.txt"), "mine");
    EXPECT_EQ(Slurp("C:\\gprs_log.txt").find("fresh"), 0u);
    SetFileAttributesA("C:\\gprs_log.txt", FILE_ATTRIBUTE_HIDDEN);
    IniHand::WriteLog(L"hidden");
    EXPECT_EQ(Slurp("C:\\gprs_log.txt").find("hidden"), std::string::npos);
}
