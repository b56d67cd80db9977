// Directories, administrator rights and disk space at start-up.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "inspection/AdminCheck.h"
#include "inspection/CheckDiskSpace.h"
#include "inspection/DelFiles.h"
#include "inspection/Dir_File.h"
#include "platform/RegAccess.h"

using testsupport::LogMessages;

namespace {

const wchar_t* const kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const wchar_t* const kCurrentVersion = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const wchar_t* const kControl = L"System\\CurrentControlSet\\Control";

class InspectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        fake::PutDir(L"C:\\WINDOWS\\SYSTEM32");
        fake::SetString(RegAccess::kCurrentUser, kShellFolders, L"Startup", L"C:\\WINDOWS\\Start Menu\\Startup");
        fake::SetString(RegAccess::kLocalMachine, kCurrentVersion, L"ProgramFilesDir", L"C:\\Program Files");
        fake::MakeKey(RegAccess::kLocalMachine, kControl);
    }
};

TEST_F(InspectionTest, SystemDirectoriesEndInABackslashAndTheExchangeFileExists) {
    fake::W().disk = {8, 512, 1000, 2000};
    fake::PutDir(L"C:\\TEMP");
    Dir_File::GetSystemDirectories();
    EXPECT_EQ(Rs.WindowsDir, L"C:\\WINDOWS\\");
    EXPECT_EQ(Rs.SystemDir, L"C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(Rs.TempDir, L"C:\\TEMP\\");
    EXPECT_EQ(Rs.WorkDir, Rs.TempDir);
    EXPECT_EQ(Rs.WindowsDrive, L"C:");
    EXPECT_EQ(Rs.StartupDir, L"C:\\WINDOWS\\Start Menu\\Startup");
    EXPECT_EQ(Rs.ProgramFilesDir, L"C:\\Program Files\\");
    EXPECT_EQ(Rs.FreeDiskSpace, 8.0 * 512 * 1000);
    ASSERT_EQ(Rs.TriggerFile.substr(0, 11), L"C:\\TEMP\\KTI");
    EXPECT_TRUE(fake::HasFile(Rs.TriggerFile));
    auto log = LogMessages();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log.front(), L"get system directories START");
    EXPECT_EQ(log[1], L"create temp file START");
    EXPECT_EQ(log[2], L"tempfile: " + Rs.TriggerFile + L" created.");
    EXPECT_EQ(log.back(), L"get system directories END");
}

TEST_F(InspectionTest, AMissingTempDirectoryIsCreatedBeforeTheExchangeFile) {
    ASSERT_FALSE(fake::HasDir(L"C:\\TEMP"));
    Dir_File::GetSystemDirectories();
    EXPECT_TRUE(fake::HasDir(L"C:\\TEMP"));
    EXPECT_TRUE(fake::HasFile(Rs.TriggerFile));
}

TEST_F(InspectionTest, MissingRegistryValuesAndAFailedDiskQueryGiveTheDefaults) {
    fake::Reset();
    testsupport::LoadConfigStrings();
    fake::W().diskFreeFails = true;
    fake::W().tempFileFails = true;
    Dir_File::GetSystemDirectories();
    EXPECT_EQ(Rs.StartupDir, L"");
    EXPECT_EQ(Rs.ProgramFilesDir, L"\\");
    EXPECT_EQ(Rs.FreeDiskSpace, 0);
    EXPECT_EQ(Rs.TriggerFile, L"");
}

TEST_F(InspectionTest, ShortPathIsEmptyWhenTheCallFails) {
    fake::PutDir(L"C:\\Program Files\\Valmor");
    EXPECT_EQ(Dir_File::GetShortPath(L"C:\\Program Files\\Valmor"), L"C:\\PROGRA~1\\Valmor");
    EXPECT_EQ(Dir_File::GetShortPath(L"C:\\Nowhere"), L"");
}

TEST_F(InspectionTest, DeleteFileIfExistsIgnoresHiddenFilesAndEmptyNames) {
    fake::PutFile(L"C:\\a.txt");
    fake::PutFile(L"C:\\h.txt", "", sys::kAttrHidden);
    DelFiles::DeleteFileIfExists(L"C:\\a.txt");
    DelFiles::DeleteFileIfExists(L"C:\\h.txt");
    DelFiles::DeleteFileIfExists(L"");
    DelFiles::DeleteFileIfExists(L"C:\\none.txt");
    EXPECT_FALSE(fake::HasFile(L"C:\\a.txt"));
    EXPECT_TRUE(fake::HasFile(L"C:\\h.txt"));
    EXPECT_FALSE(DelFiles::FileExists(L""));
}

TEST_F(InspectionTest, NoRightsTestOnThe9xFamily) {
    Rs.OsPlatformId = 1;
    fake::FindKey(RegAccess::kLocalMachine, kControl)->readOnly = true;
    AdminCheck::CheckAdminRights();
    EXPECT_TRUE(Rs.IsAdmin);
    EXPECT_TRUE(LogMessages().empty());
}

TEST_F(InspectionTest, AnAdministratorOnNtLeavesNoAdminValueBehind) {
    Rs.OsPlatformId = 2;
    AdminCheck::CheckAdminRights();
    EXPECT_TRUE(Rs.IsAdmin);
    EXPECT_FALSE(fake::HasValue(RegAccess::kLocalMachine, kControl, L"Admin"));
    EXPECT_EQ(LogMessages(), (std::vector<std::wstring>{L"check if user is Admin START", L"Admincheck END"}));
}

// A value that a killed run left proves nothing, and stays as it was.
TEST_F(InspectionTest, TheRightsAreTheWritesNotAValueLeftBefore) {
    Rs.OsPlatformId = 2;
    fake::SetString(RegAccess::kLocalMachine, kControl, L"Admin", L"1");
    fake::FindKey(RegAccess::kLocalMachine, kControl)->readOnly = true;
    EXPECT_THROW(AdminCheck::CheckAdminRights(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 106);
    fake::FindKey(RegAccess::kLocalMachine, kControl)->readOnly = false;
    fake::SetString(RegAccess::kLocalMachine, kControl, L"Admin", L"mine");
    AdminCheck::CheckAdminRights();
    EXPECT_TRUE(Rs.IsAdmin);
    EXPECT_EQ(fake::StringOf(RegAccess::kLocalMachine, kControl, L"Admin"), L"mine");
}

TEST_F(InspectionTest, AUserWhoCannotWriteTheMachineKeyGetsMessage106) {
    Rs.OsPlatformId = 2;
    fake::FindKey(RegAccess::kLocalMachine, kControl)->readOnly = true;
    EXPECT_THROW(AdminCheck::CheckAdminRights(), fake::ProgramEnded);
    EXPECT_FALSE(Rs.IsAdmin);
    EXPECT_EQ(Rs.MessageId, 106);
}

struct DiskCase {
    int32_t platform;
    double free;
    int16_t message;  // 0: no message
};

class DiskSpaceTest : public InspectionTest, public ::testing::WithParamInterface<DiskCase> {};

TEST_P(DiskSpaceTest, FreeSpaceMustBeStrictlyGreaterThanTheRequirement) {
    Rs.OsPlatformId = GetParam().platform;
    Rs.FreeDiskSpace = GetParam().free;
    if (GetParam().message) {
        EXPECT_THROW(CheckDiskSpace::CheckDiskSpace(), fake::ProgramEnded);
    } else {
        CheckDiskSpace::CheckDiskSpace();
        EXPECT_EQ(LogMessages().back(), L"check for enough diskspace END");
    }
    EXPECT_EQ(Rs.MessageId, GetParam().message);
    EXPECT_EQ(Rs.RequiredDiskSpace, 52428800.0);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, DiskSpaceTest,
                         ::testing::Values(DiskCase{1, 52428801, 0}, DiskCase{2, 52428801, 0},
                                           DiskCase{1, 52428800, 109}, DiskCase{2, 52428800, 109},
                                           DiskCase{1, 31457281, 109}, DiskCase{1, 31457280, 110},
                                           DiskCase{2, 0, 110}));

}  // namespace
