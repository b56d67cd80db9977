#include <gtest/gtest.h>

#include "TestSupport.h"
#include "install/DialingLocation.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"

namespace {

const wchar_t* const kLoc0 = L"Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location0";

class DialingLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.WindowsDir = L"C:\\WINDOWS\\";
        Rs.WorkDir = Rs.TempDir = L"C:\\TEMP\\";
        Rs.CountryCode = L"49";
        fake::PutDir(L"C:\\WINDOWS");
        fake::PutDir(L"C:\\TEMP\\kt");
    }
    std::wstring Ini(const wchar_t* section, const wchar_t* key, const wchar_t* file) {
        return IniHand::ReadIni(section, key, L"<none>", file);
    }
};

TEST_F(DialingLocationTest, Windows98GetsADefaultLocationAndTheImport) {
    Rs.OsName = L"Win98";
    std::vector<std::wstring> profileCallsAtImport;
    fake::W().onRun = [&](const std::wstring&) { profileCallsAtImport = fake::W().profileCalls; };
    DialingLocation::SetDialingLocation();
    // Both files are on the disk before regedit reads one of them.
    EXPECT_EQ(profileCallsAtImport,
              (std::vector<std::wstring>{L"write C:\\WINDOWS\\telephon.ini", L"write C:\\WINDOWS\\telephon.ini",
                                         L"write C:\\WINDOWS\\telephon.ini", L"write C:\\WINDOWS\\telephon.ini",
                                         L"flush C:\\WINDOWS\\telephon.ini", L"write C:\\TEMP\\kt\\tel.reg",
                                         L"flush C:\\TEMP\\kt\\tel.reg"}));
    EXPECT_EQ(fake::FileBytes(L"C:\\WINDOWS\\telephon.ini"),
              "[Locations]\r\nCurrentLocation=0,0\r\nLocations=1,1\r\n"
              "Location0=0,\"Standardstandort\",\"\",\"\",\"\",49,0,0,1,\"\",0,\"\"\r\nInited=1\r\n");
    EXPECT_EQ(Ini(L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location0",
                  L"\"country\"", L"C:\\TEMP\\kt\\tel.reg"),
              L"dword:00000031");
    EXPECT_EQ(fake::W().started, std::vector<std::wstring>{L"C:\\WINDOWS\\regedit.exe /s C:\\TEMP\\kt\\tel.reg"});
}

TEST_F(DialingLocationTest, AnExistingLocationIsLeftAndTheRegistryKeyStopsTheImport) {
    Rs.OsName = L"WinME";
    Rs.CountryCode = L"44";
    fake::PutFile(L"C:\\WINDOWS\\telephon.ini", "[Locations]\r\nLocation0=mine\r\n");
    fake::MakeKey(RegAccess::kLocalMachine, kLoc0);
    DialingLocation::SetDialingLocation();
    EXPECT_EQ(fake::FileBytes(L"C:\\WINDOWS\\telephon.ini"), "[Locations]\r\nLocation0=mine\r\n");
    EXPECT_NE(fake::FileBytes(L"C:\\TEMP\\kt\\tel.reg").find("\"country\"=dword:0000002C"), std::string::npos);
    EXPECT_TRUE(fake::W().started.empty());
}

TEST_F(DialingLocationTest, Windows2000PreparesItsFileOnlyAndXpNothing) {
    Rs.OsName = L"Win2K";
    Rs.CountryCode = L"1";
    DialingLocation::SetDialingLocation();
    EXPECT_EQ(Ini(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location1",
                  L"\"country\"", L"C:\\TEMP\\kt\\wp2000.reg"),
              L"dword:00000001");
    EXPECT_TRUE(fake::W().started.empty());
    size_t files = fake::W().files.size();
    Rs.OsName = L"WinXP";
    DialingLocation::SetDialingLocation();
    Rs.OsName = L"WinNT";
    DialingLocation::SetDialingLocation();
    EXPECT_EQ(fake::W().files.size(), files);
}

TEST_F(DialingLocationTest, VersionTextEndsInTheProviderNumber) {
    DialingLocation::ReadProviderVersion();
    EXPECT_EQ(Rs.VersionText, L"Ver.: 4.1.1.00");
    fake::PutFile(L"C:\\TEMP\\kt\\provider.ini", "[Version]\r\nNumber=12\r\n");
    DialingLocation::ReadProviderVersion();
    EXPECT_EQ(Rs.VersionText, L"Ver.: 4.1.1.012");
}

}  // namespace
