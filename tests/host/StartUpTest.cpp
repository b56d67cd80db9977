// The start-up steps around the restart marker, the resume and the old dialer.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/StartUp.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"

using testsupport::LogMessages;

namespace {

constexpr int kLM = RegAccess::kLocalMachine;
const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.TempDir = Rs.WorkDir = L"C:\\TEMP\\";
        Rs.WindowsDir = L"C:\\WINDOWS\\";
        Rs.ProgramFilesDir = L"C:\\Program Files\\";
        fake::PutDir(L"C:\\TEMP\\kt");
        fake::PutDir(L"C:\\WINDOWS\\inf");
        StartUp::LoadProductStrings();
    }
};

// Another user's hidden log and a marker without the state file of a resume:
// both go, and the log is made anew; a file that cannot go is not written to.
TEST_F(StartUpTest, AFreshStartDeletesTheOldLog) {
    fake::PutFile(L"C:\\gprs_log.txt", "old line\r\n", sys::kAttrHidden | sys::kAttrReadOnly);
    fake::PutFile(L"C:\\gprs.kti", "", sys::kAttrHidden);
    Rs.PortSearchResult = L"4";
    Rs.IrCommHotfixInstalled = Rs.IrDANeedsMEPatch = Rs.DirectoryRequestBusy = true;
    StartUp::CheckRestartMarker();
    IniHand::WriteLog(L"first");
    EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"first"});
    EXPECT_FALSE(fake::HasFile(L"C:\\gprs.kti"));
    fake::PutFile(L"C:\\gprs.kti");
    fake::W().undeletable.insert(fake::Fold(L"C:\\gprs_log.txt"));
    StartUp::CheckRestartMarker();
    IniHand::WriteLog(L"second");
    EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"first"});
    EXPECT_EQ(Rs.PortSearchResult, L"");
    EXPECT_FALSE(Rs.IrCommHotfixInstalled || Rs.IrDANeedsMEPatch || Rs.DirectoryRequestBusy);
}

TEST_F(StartUpTest, TheRestartMarkerKeepsTheLogAndIsRemoved) {
    fake::PutFile(L"C:\\gprs_log.txt", "old line\t1\t2\r\n");
    fake::PutFile(L"C:\\GPRS.KTI");
    fake::PutFile(L"C:\\TEMP\\kti.kti");
    StartUp::CheckRestartMarker();
    EXPECT_FALSE(fake::HasFile(L"c:\\gprs.kti"));
    EXPECT_EQ(LogMessages(), (std::vector<std::wstring>{L"old line", L"ReStart after Reboot"}));
}

TEST_F(StartUpTest, TheStateFileMeansResumeOnTheInfraredPath) {
    fake::PutFile(L"C:\\TEMP\\kti.kti");
    fake::SetString(RegAccess::kLocalMachine, kRunKey, L"kt", L"C:\\TEMP\\kt\\wizard.exe");
    fake::SetString(RegAccess::kLocalMachine, kRunKey, L"other", L"x.exe");
    StartUp::GetStartParam();
    EXPECT_TRUE(Rs.RestartedAfterReboot);
    EXPECT_TRUE(Rs.UseIrDA);
    EXPECT_FALSE(fake::HasFile(L"C:\\TEMP\\kti.kti"));
    EXPECT_FALSE(fake::HasValue(RegAccess::kLocalMachine, kRunKey, L"kt"));
    EXPECT_TRUE(fake::HasValue(RegAccess::kLocalMachine, kRunKey, L"other"));
}

TEST_F(StartUpTest, ResumeStepsIgnoreWhatCannotBeRemoved) {
    fake::PutFile(L"C:\\TEMP\\kti.kti");
    fake::W().undeletable.insert(fake::Fold(L"C:\\TEMP\\kti.kti"));
    StartUp::GetStartParam();  // no Run key at all
    EXPECT_TRUE(Rs.RestartedAfterReboot);
    EXPECT_TRUE(Rs.UseIrDA);
}

TEST_F(StartUpTest, NoStateFileIsAFreshStart) {
    StartUp::GetStartParam();
    EXPECT_FALSE(Rs.RestartedAfterReboot);
    EXPECT_FALSE(Rs.UseIrDA);
}

TEST_F(StartUpTest, ProductStringsComeFromTheProgramsStringTable) {
    EXPECT_EQ(Rs.ProductCode, L"VLMGPRS");
    EXPECT_EQ(Rs.ProductName, L"Valmor GPRS");
    EXPECT_EQ(Rs.DialerInfName, L"Z72GPRS");
}

TEST_F(StartUpTest, RunOnceLinkInTheStartupFolderIsDeleted) {
    Rs.StartupDir = L"C:\\WINDOWS\\Start Menu\\Startup";
    fake::PutFile(L"C:\\WINDOWS\\Start Menu\\Startup\\runonce.lnk");
    StartUp::DeleteRunOnceLink();
    EXPECT_FALSE(fake::HasFile(L"C:\\WINDOWS\\Start Menu\\Startup\\runonce.lnk"));
}

TEST_F(StartUpTest, TheOldDialerIsUninstalledThroughItsInf) {
    const std::wstring inf = L"C:\\WINDOWS\\inf\\Z72GPRS.inf";
    std::vector<std::wstring> profileCallsAtStart;
    fake::W().onRun = [&](const std::wstring&) { profileCallsAtStart = fake::W().profileCalls; };
    for (int platform : {1, 2}) {
        fake::W().started.clear();
        fake::W().profileCalls.clear();
        Rs.OsPlatformId = platform;
        Rs.SystemDir = platform == 1 ? L"C:\\WINDOWS\\SYSTEM\\" : L"C:\\WINDOWS\\SYSTEM32\\";
        fake::PutFile(L"C:\\Program Files\\Valmor\\GPRS\\z72gprs.exe");
        StartUp::RemoveOldDialer();
        // RunDll32 on the 9x family too, by its full name as advpack.dll;
        // advpack reads the INF only after the profile cache is written out.
        std::wstring rundll = platform == 1 ? L"C:\\WINDOWS\\" : Rs.SystemDir;
        EXPECT_EQ(fake::W().started,
                  std::vector<std::wstring>{rundll + L"rundll32.exe " + Rs.SystemDir +
                                            L"advpack.dll,LaunchINFSection " + inf + L", RemoveInstall"});
        EXPECT_EQ(profileCallsAtStart.size(), 5u);
        EXPECT_EQ(profileCallsAtStart.back(), L"flush " + inf);
    }
    std::string bytes = fake::FileBytes(inf);
    EXPECT_EQ(bytes,
              "[RemoveBeginPromptSection]\r\nPrompt=\r\nButtonType=\r\n"
              "[RemoveEndPromptSection]\r\nPrompt=\r\nButtonType=\r\n");
    EXPECT_EQ(LogMessages().front(), L"deleting old dialer version");
    EXPECT_TRUE(fake::W().waited.empty());
}

TEST_F(StartUpTest, AnInstalledDialerIsRemovedWithItsSetup) {
    fake::SetString(RegAccess::kLocalMachine, L"Software\\Valmor GPRS", L"CBCPathName", L"");
    fake::PutFile(L"C:\\Program Files\\Valmor\\GPRS\\a.dll", "", sys::kAttrReadOnly);
    fake::PutFile(L"C:\\Program Files\\Valmor\\GPRS\\b.dat", "", sys::kAttrHidden | sys::kAttrReadOnly);
    StartUp::RemoveOldDialer();
    EXPECT_EQ(fake::W().files[fake::Fold(L"C:\\Program Files\\Valmor\\GPRS\\a.dll")].attributes, sys::kAttrNormal);
    EXPECT_EQ(fake::W().files[fake::Fold(L"C:\\Program Files\\Valmor\\GPRS\\b.dat")].attributes, sys::kAttrNormal);
    EXPECT_EQ(fake::W().waited, std::vector<std::wstring>{L"C:\\TEMP\\kt\\setup.exe /f2C:\\TEMP\\setup.log /s"});
    EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"deleting dialer"});
    EXPECT_TRUE(fake::W().started.empty());
}

TEST_F(StartUpTest, ASetupUnderADirectoryWithBlanksIsQuoted) {
    Rs.WorkDir = L"C:\\Documents and Settings\\me\\Temp\\";
    fake::PutDir(L"C:\\Documents and Settings\\me\\Temp");
    fake::SetString(RegAccess::kLocalMachine, L"Software\\Valmor GPRS", L"CBCPathName", L"x");
    StartUp::RemoveOldDialer();
    EXPECT_EQ(fake::W().waited, std::vector<std::wstring>{L"\"C:\\Documents and Settings\\me\\Temp\\kt\\setup.exe\" "
                                                          L"/f2C:\\DOCUME~1\\me\\Temp\\setup.log /s"});
}

TEST_F(StartUpTest, NothingToRemoveDoesNothing) {
    StartUp::RemoveOldDialer();
    EXPECT_TRUE(fake::W().started.empty());
    EXPECT_TRUE(fake::W().waited.empty());
    EXPECT_TRUE(LogMessages().empty());
}

TEST_F(StartUpTest, ASecondInstanceEndsSilently) {
    fake::W().otherInstance = true;
    fake::PutFile(L"C:\\gprs_log.txt", "kept\r\n");
    EXPECT_FALSE(StartUp::Main());
    EXPECT_TRUE(fake::HasFile(L"C:\\gprs_log.txt"));
    EXPECT_EQ(fake::W().files.size(), 1u);
}

// A user without administrator rights on XP may read the machine's keys but
// not write them: the browser check passes, the rights check refuses.
TEST_F(StartUpTest, AUserWithoutAdministratorRightsIsToldSo) {
    fake::W().version = sys::OsVersion{5, 1, 2600, sys::kPlatformNT, std::string("Service Pack 2")};
    fake::SetString(RegAccess::kLocalMachine, L"Software\\Microsoft\\Internet Explorer", L"Version", L"6.0.2900.2180");
    fake::MakeKey(RegAccess::kLocalMachine, L"System\\CurrentControlSet\\Control");
    fake::PutFile(L"C:\\PROGRAM\\en.dll");
    fake::W().loadable[fake::Fold(L"C:\\PROGRAM\\en.dll")] = 0x7000;
    fake::W().normalUser = true;
    EXPECT_THROW(StartUp::Main(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 106);
    // kt has its access list by then; a file of another user's in it stops the run before any load.
    EXPECT_EQ(fake::W().restricted, (std::vector<std::wstring>{L"C:\\TEMP\\kt", Rs.TriggerFile}));
    fake::PutFile(L"C:\\TEMP\\kt\\cm_32.exe");
    fake::W().foreignOwned.insert(fake::Fold(L"C:\\TEMP\\kt\\cm_32.exe"));
    fake::W().loadCalls.clear();
    EXPECT_THROW(StartUp::Main(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 9999);
    EXPECT_TRUE(fake::W().loadCalls.empty());
    EXPECT_TRUE(fake::HasFile(L"C:\\TEMP\\kt\\cm_32.exe"));
    // An owner that cannot be read (an access list that denies it) is no more trusted.
    fake::W().foreignOwned.clear();
    fake::W().ownerUnreadable.insert(fake::Fold(L"C:\\TEMP\\kt\\cm_32.exe"));
    EXPECT_THROW(StartUp::Main(), fake::ProgramEnded);
    EXPECT_TRUE(fake::W().loadCalls.empty());
}

// 98 to page 1: a fresh start sets a dialing location and removes the old dialer, a resume not; 2000 with IrCOMM: 115.
TEST_F(StartUpTest, AFreshStartRemovesTheOldDialerAndAResumeDoesNot) {
    for (int row = 0; row < 3; ++row) {
        SetUp();
        fake::W().version = row < 2 ? sys::OsVersion{4, 10, 2222, sys::kPlatformWindows, std::string(" A ")}
                                    : sys::OsVersion{5, 0, 2195, sys::kPlatformNT, std::string("Service Pack 4")};
        fake::SetString(kLM, L"Software\\Microsoft\\Internet Explorer", L"Version", L"5.0");
        fake::SetString(kLM, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir", L"C:\\Program Files");
        fake::MakeKey(kLM, L"System\\CurrentControlSet\\Control");
        fake::MakeKey(kLM, L"System\\CurrentControlSet\\Enum\\IrComm2k\\Bridge\\0000");
        fake::PutFile(L"C:\\PROGRAM\\en.dll");
        fake::W().loadable[fake::Fold(L"C:\\PROGRAM\\en.dll")] = 0x7000;
        fake::PutFile(L"C:\\Program Files\\Valmor\\GPRS\\z72gprs.exe");
        if (row == 1) fake::PutFile(L"C:\\TEMP\\kti.kti");
        if (row == 2) {
            EXPECT_THROW(StartUp::Main(), fake::ProgramEnded);
        } else {
            EXPECT_TRUE(StartUp::Main());
        }
        EXPECT_EQ(Rs.MessageId, row == 2 ? 115 : 0);
        EXPECT_EQ(fake::W().started.size(), 2u - row) << row;  // regedit for the location, the dialer's INF
        EXPECT_EQ(fake::HasFile(L"C:\\WINDOWS\\telephon.ini"), row < 2) << row;
    }
}

}  // namespace
