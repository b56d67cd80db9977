#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "fakes/FakeUi.h"
#include "inspection/ModemProbe.h"
#include "platform/sys/Ui.h"

namespace {

const sys::Handle kKtmodem = 0x6A580000;

std::vector<std::vector<std::string>> gCalls;
int32_t gResult = 0;

int32_t FakeDetect(const char* a1, const char* a2, const char* a3, const char* a4, const char* a5, const char* a6,
                   const char* a7, const char* a8, const char* a9, const char* a10) {
    gCalls.push_back({a1, a2, a3, a4, a5, a6, a7, a8, a9, a10});
    return gResult;
}

class ModemProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.ProductName = L"Valmor GPRS";
        ModemProbe::ForgetLibrary();
        gCalls.clear();
        gResult = 0;
    }
    void TearDown() override { ModemProbe::ForgetLibrary(); }

    static void InstallLibrary(bool withExport = true) {
        fake::W().loadable[fake::Fold(L"C:\\PROGRAM\\ktmodem.dll")] = kKtmodem;
        if (withExport) fake::W().procs[{kKtmodem, "_detectModemPort@40"}] = reinterpret_cast<void*>(&FakeDetect);
    }
};

// The ports as a list: COM1 to COM9 but a Bluetooth link, then COM12.
TEST_F(ModemProbeTest, EverySearchPassesTheFixedArguments) {
    InstallLibrary();
    fake::SetString(3, L"Hardware\\DeviceMap\\SerialComm", L"\\Device\\BthModem0", L"COM5");
    fake::SetString(3, L"Hardware\\DeviceMap\\SerialComm", L"\\Device\\ProlificSerial0", L"COM12");
    gResult = 4;
    EXPECT_EQ(ModemProbe::DetectModemPort(), 4);
    gResult = 0;
    EXPECT_EQ(ModemProbe::DetectModemPort(), 0);
    const std::vector<std::string> fixed = {
        "1,2,3,4,6,7,8,9,12", "57600", "10", "10", "ATI9", "VALMOR", "72", "73", "", ""};
    EXPECT_EQ(gCalls, (std::vector<std::vector<std::string>>{fixed, fixed}));
}

TEST_F(ModemProbeTest, TheLibraryIsLoadedBesideTheProgramOnceForTheRun) {
    InstallLibrary();
    EXPECT_TRUE(fake::W().loadCalls.empty());  // nothing before the first search
    for (int i = 0; i < 3; ++i) ModemProbe::DetectModemPort();
    EXPECT_EQ(fake::W().loadCalls, std::vector<std::wstring>{L"C:\\PROGRAM\\ktmodem.dll"});
    EXPECT_TRUE(fake::W().freed.empty());
    EXPECT_EQ(gCalls.size(), 3u);
}

TEST_F(ModemProbeTest, StringsReachTheLibraryInTheAnsiCodePage) {
    InstallLibrary();
    ModemProbe::detectModemPort(L"12", L"9600", L"20", L"30", L"AT+CGMI", L"gr\u00fc\u00dfe", L"", L"x", L"AT",
                                L"AT&F");
    ASSERT_EQ(gCalls.size(), 1u);
    EXPECT_EQ(gCalls[0], (std::vector<std::string>{"12", "9600", "20", "30", "AT+CGMI",
                                                   "gr\xFC\xDF"
                                                   "e",
                                                   "", "x", "AT", "AT&F"}));
}

TEST_F(ModemProbeTest, AMissingLibraryEndsTheRunNamingIt) {
    EXPECT_THROW(ModemProbe::DetectModemPort(), fake::ProgramEnded);
    EXPECT_EQ(fake::W().errorBoxes, std::vector<std::wstring>{L"Valmor GPRS: File not found: ktmodem.dll"});
    EXPECT_TRUE(gCalls.empty());
}

TEST_F(ModemProbeTest, AMissingEntryPointEndsTheRunNamingIt) {
    InstallLibrary(false);
    EXPECT_THROW(ModemProbe::DetectModemPort(), fake::ProgramEnded);
    EXPECT_EQ(fake::W().errorBoxes,
              std::vector<std::wstring>{L"Valmor GPRS: Can't find DLL entry point _detectModemPort@40 in ktmodem.dll"});
    EXPECT_TRUE(gCalls.empty());
}

TEST_F(ModemProbeTest, TheRunEndsCleanlyWithTheTaskbarBackAndTheExchangeFileGone) {
    Rs.OsName = L"Win98";
    Rs.TriggerFile = L"C:\\TEMP\\trigger.tmp";
    fake::PutFile(Rs.TriggerFile, "[Variables]\r\n");
    const sys::Handle taskbar = 0x77;
    fake::Ui().findable[L"Shell_TrayWnd\n"] = taskbar;
    EXPECT_THROW(ModemProbe::DetectModemPort(), fake::ProgramEnded);
    EXPECT_FALSE(fake::HasFile(Rs.TriggerFile));
    ASSERT_FALSE(fake::Ui().setWindowPos.empty());
    EXPECT_EQ(fake::Ui().setWindowPos.back().window, taskbar);
    EXPECT_EQ(fake::Ui().setWindowPos.back().flags, sys::kSwpShowWindow);
}

}  // namespace
