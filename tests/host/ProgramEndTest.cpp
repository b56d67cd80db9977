// Both ends of the wizard: what they clean up, record and start.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/ProgramEnd.h"
#include "platform/RegAccess.h"

namespace {

using RegAccess::kCurrentUser;
using RegAccess::kLocalMachine;

const wchar_t* const kUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\dummy";
const wchar_t* const kNameSpace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace";
const wchar_t* const kIcon = L"{6E1F0A42-93C7-11D3-A52B-00A0C93F7B14}";
const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const kShellFolders = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class ProgramEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.TempDir = Rs.WorkDir = L"C:\\TEMP\\";
        Rs.SystemDir = L"C:\\WINDOWS\\SYSTEM32\\";
        Rs.ProductName = L"Valmor GPRS";
        Rs.TriggerFile = L"C:\\TEMP\\KTI1B.TMP";
        Rs.LanguageLibrary = 0x7000;
        Rs.InstallerStarted = true;
        fake::PutFile(Rs.TriggerFile);
        fake::PutFile(L"C:\\TEMP\\kt\\cm_32.exe");
        fake::PutFile(L"C:\\TEMP\\kt\\mdmvlm.inf");
        fake::PutFile(L"C:\\TEMP\\kt\\in use.exe");
        fake::W().undeletable.insert(fake::Fold(L"C:\\TEMP\\kt\\in use.exe"));
        // As extracted from a CD: DeleteFileA refuses it (access denied on 9x and NT).
        fake::PutFile(L"C:\\TEMP\\kt\\readme.txt", "", sys::kAttrReadOnly);
        fake::PutFile(L"C:\\TEMP\\other.txt");
        fake::MakeKey(kLocalMachine, std::wstring(kNameSpace) + L"\\" + kIcon);
        fake::MakeKey(kCurrentUser, L"RemoteAccess\\Profile\\dummy");
        fake::SetString(kCurrentUser, L"RemoteAccess\\Addresses", L"dummy", L"x");
    }
    bool IconKey() { return fake::FindKey(kLocalMachine, std::wstring(kNameSpace) + L"\\" + kIcon) != nullptr; }
    bool Profile() { return fake::FindKey(kCurrentUser, L"RemoteAccess\\Profile\\dummy") != nullptr; }
};

TEST_F(ProgramEndTest, AbortCleansUpItsFilesAndReleasesTheLanguageLibrary) {
    Rs.OsName = L"Win98";
    EXPECT_THROW(ProgramEnd::AbortWizard(), fake::ProgramEnded);
    EXPECT_FALSE(fake::HasFile(Rs.TriggerFile));
    EXPECT_FALSE(fake::HasFile(L"C:\\TEMP\\kt\\cm_32.exe"));
    EXPECT_FALSE(fake::HasFile(L"C:\\TEMP\\kt\\mdmvlm.inf"));
    EXPECT_TRUE(fake::HasFile(L"C:\\TEMP\\kt\\in use.exe"));
    EXPECT_TRUE(fake::HasFile(L"C:\\TEMP\\kt\\readme.txt"));
    EXPECT_TRUE(fake::HasFile(L"C:\\TEMP\\other.txt"));
    EXPECT_EQ(fake::W().freed, std::vector<sys::Handle>{0x7000});
    EXPECT_FALSE(IconKey());
    EXPECT_TRUE(fake::W().exitWindows.empty());
}

TEST_F(ProgramEndTest, AbortLeavesTheDummyProfileOnlyOnNt) {
    Rs.OsName = L"WinNT";
    EXPECT_THROW(ProgramEnd::AbortWizard(), fake::ProgramEnded);
    EXPECT_TRUE(IconKey());
    fake::MakeKey(kLocalMachine, std::wstring(kNameSpace) + L"\\" + kIcon);
    Rs.OsName = L"WinXP";
    EXPECT_THROW(ProgramEnd::AbortWizard(), fake::ProgramEnded);
    EXPECT_FALSE(IconKey());
}

TEST_F(ProgramEndTest, WithAnUninstallDirectoryTheProfileIsUninstalledByCmstp) {
    fake::PutDir(L"C:\\Program Files\\Dummy Profile");
    fake::SetString(kLocalMachine, kUninstall, L"UninstallDir", L"C:\\Program Files\\Dummy Profile");
    Rs.OsName = L"Win98";
    EXPECT_THROW(ProgramEnd::AbortWizard(), fake::ProgramEnded);  // waited for, as at Finish
    EXPECT_EQ(
        fake::W().waited,
        std::vector<std::wstring>{L"C:\\WINDOWS\\SYSTEM32\\cmstp.exe /u /s C:\\PROGRA~1\\DUMMYP~1\\dummy\\dummy.inf"});
    EXPECT_FALSE(Profile());
    EXPECT_FALSE(fake::HasValue(kCurrentUser, L"RemoteAccess\\Addresses", L"dummy"));
    EXPECT_TRUE(IconKey());

    SetUp();  // EndWizard waits for it: the restart follows
    fake::SetString(kLocalMachine, kUninstall, L"UninstallDir", L"C:\\PROFILE");
    EXPECT_THROW(ProgramEnd::EndWizard(), fake::ProgramEnded);
    EXPECT_TRUE(fake::W().started.empty());
    EXPECT_EQ(fake::W().waited.back(), L"C:\\WINDOWS\\SYSTEM32\\cmstp.exe /u /s C:\\PROFILE\\dummy\\dummy.inf");
}

// A Cancel before this run started the installer (page 1 of a second run on
// XP): the profile of the first stays; the Run value of a stopped resume goes.
TEST_F(ProgramEndTest, AnAbortBeforeTheInstallerLeavesAnEarlierProfile) {
    Rs.InstallerStarted = false;
    Rs.OsName = L"WinXP";
    fake::SetString(kLocalMachine, kUninstall, L"UninstallDir", L"C:\\PROFILE");
    fake::SetString(kLocalMachine, kRunKey, L"kt", L"\"C:\\TEMP\\kt\\wizard.exe\"");
    EXPECT_THROW(ProgramEnd::AbortWizard(), fake::ProgramEnded);
    EXPECT_TRUE(fake::W().waited.empty());
    EXPECT_TRUE(Profile());
    EXPECT_TRUE(IconKey());
    EXPECT_FALSE(fake::HasValue(kLocalMachine, kRunKey, L"kt"));
}

TEST_F(ProgramEndTest, EndRecordsTheModemRunsTheDialerSetupAndReboots) {
    Rs.OsName = L"Win98";
    Rs.OsPlatformId = 1;
    Rs.ModemName = L"GPRS via COM";
    Rs.ComPort = L"COM1";
    EXPECT_THROW(ProgramEnd::EndWizard(), fake::ProgramEnded);
    EXPECT_EQ(fake::StringOf(kLocalMachine, L"Software\\Valmor GPRS", L"ModemName"), L"GPRS via COM");
    EXPECT_EQ(fake::StringOf(kLocalMachine, L"Software\\Valmor GPRS", L"ComPort"), L"COM1");
    EXPECT_EQ(fake::W().waited, std::vector<std::wstring>{L"C:\\TEMP\\kt\\setup.exe /f2C:\\TEMP\\setup.log /s"});
    EXPECT_FALSE(IconKey());
    EXPECT_FALSE(fake::HasFile(Rs.TriggerFile));
    ASSERT_EQ(fake::W().exitWindows.size(), 1u);
    EXPECT_EQ(fake::W().exitWindows[0], (std::pair<uint32_t, uint32_t>{7, 0xFFFFFFFF}));
    EXPECT_FALSE(fake::W().shutdownPrivilege);
    auto log = testsupport::LogMessages();
    EXPECT_EQ(log, (std::vector<std::wstring>{L"write to registry ModemName: GPRS via COM",
                                              L"write to registry ComPort: COM1", L"installing the GPRS modemassistant",
                                              L"final reboot of the system"}));
}

TEST_F(ProgramEndTest, EndWritesTheValuesEvenWithoutAPort) {
    Rs.OsName = L"WinXP";
    Rs.OsPlatformId = 2;
    Rs.ModemName = L"GPRS via IRDA";
    EXPECT_THROW(ProgramEnd::EndWizard(), fake::ProgramEnded);
    EXPECT_EQ(fake::StringOf(kLocalMachine, L"Software\\Valmor GPRS", L"ComPort"), L"");
    // Windows XP keeps the profile at the normal end, forces only hung programs
    // and asks for the shutdown privilege first.
    EXPECT_TRUE(IconKey());
    EXPECT_TRUE(Profile());
    EXPECT_TRUE(fake::W().shutdownPrivilege);
    EXPECT_EQ(fake::W().exitWindows[0].first, 19u);
}

TEST_F(ProgramEndTest, EndOnWindows2000CleansTheAllUsersDesktopInstead) {
    Rs.OsName = L"Win2K";
    Rs.OsPlatformId = 2;
    fake::SetString(kLocalMachine, kShellFolders, L"Common Desktop", L"C:\\Desktop");
    fake::PutFile(L"C:\\Desktop\\dummy.lnk");
    fake::PutFile(L"C:\\Desktop\\my dummy profile.lnk");
    fake::PutFile(L"C:\\Desktop\\Dummy Connection.lnk");
    fake::PutFile(L"C:\\Desktop\\other.lnk");
    fake::PutFile(L"C:\\Desktop\\budget dummy run.xls");
    EXPECT_THROW(ProgramEnd::EndWizard(), fake::ProgramEnded);
    EXPECT_TRUE(fake::HasFile(L"C:\\Desktop\\budget dummy run.xls"));
    EXPECT_FALSE(fake::HasFile(L"C:\\Desktop\\dummy.lnk"));
    EXPECT_FALSE(fake::HasFile(L"C:\\Desktop\\my dummy profile.lnk"));
    EXPECT_TRUE(fake::HasFile(L"C:\\Desktop\\Dummy Connection.lnk"));
    EXPECT_TRUE(fake::HasFile(L"C:\\Desktop\\other.lnk"));
    EXPECT_TRUE(IconKey());
    EXPECT_EQ(fake::W().exitWindows[0].first, 19u);
}

TEST_F(ProgramEndTest, WithoutACommonDesktopNothingIsDeleted) {
    Rs.OsName = L"Win2K";
    fake::PutFile(L"C:\\dummy.txt");
    EXPECT_THROW(ProgramEnd::EndWizard(), fake::ProgramEnded);
    EXPECT_TRUE(fake::HasFile(L"C:\\dummy.txt"));
}

TEST_F(ProgramEndTest, WithoutATempDirectoryNoWorkFilesAreTouched) {
    Rs.TempDir = L"";
    fake::PutFile(L"kt\\x.exe");
    ProgramEnd::DeleteWorkFiles();
    EXPECT_TRUE(fake::HasFile(L"kt\\x.exe"));
}

}  // namespace
