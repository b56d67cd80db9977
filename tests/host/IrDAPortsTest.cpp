#include <gtest/gtest.h>

#include "TestSupport.h"
#include "inspection/CheckIRDA.h"
#include "inspection/CheckIrComm2k.h"
#include "inspection/ComPorts.h"
#include "platform/RegAccess.h"

namespace {

using RegAccess::kLocalMachine;
const wchar_t* const kMap = L"Hardware\\DeviceMap\\SerialComm";
const wchar_t* const kProduct = L"Software\\Valmor GPRS";

class IrDAPortsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.ProductName = L"Valmor GPRS";
    }
    std::wstring Devices() { return fake::StringOf(kLocalMachine, kProduct, L"InstalledDevices"); }
};

TEST_F(IrDAPortsTest, InfraredKeysBySystem) {
    fake::MakeKey(kLocalMachine, L"System\\CurrentControlSet\\Enum\\Root\\Legacy_IRDA");
    fake::MakeKey(kLocalMachine, L"Enum\\INFRARED");
    for (const wchar_t* os : {L"Win2K", L"WinXP", L"Win98", L"Win95", L"WinME"}) {
        Rs.OsName = os;
        CheckIRDA::CheckIRDA();
        EXPECT_TRUE(Rs.IrDAPresent) << os;
        EXPECT_EQ(Devices(), L"3");
    }
    Rs.OsName = L"WinNT";
    CheckIRDA::CheckIRDA();
    EXPECT_FALSE(Rs.IrDAPresent);
    EXPECT_EQ(Devices(), L"1");
    EXPECT_EQ(testsupport::LogMessages().back(), L"IRDA detected: False");
}

TEST_F(IrDAPortsTest, WindowsMeWithOnlyTheNetworkDeviceNeedsThePatch) {
    Rs.OsName = L"WinME";
    fake::MakeKey(kLocalMachine, L"Enum\\Network\\IRDA");
    CheckIRDA::CheckIRDA();
    EXPECT_TRUE(Rs.IrDAPresent);
    EXPECT_TRUE(Rs.IrDANeedsMEPatch);
    EXPECT_EQ(Devices(), L"3");
    fake::MakeKey(kLocalMachine, L"Enum\\INFRARED");
    CheckIRDA::CheckIRDA();
    EXPECT_FALSE(Rs.IrDANeedsMEPatch);
    EXPECT_EQ(testsupport::LogMessages().back(), L"IRDA detected: True");
}

TEST_F(IrDAPortsTest, OtherSystemsKeepTheMePatchFlag) {
    Rs.OsName = L"Win98";
    Rs.IrDANeedsMEPatch = true;
    CheckIRDA::CheckIRDA();
    EXPECT_TRUE(Rs.IrDANeedsMEPatch);
    EXPECT_FALSE(Rs.IrDAPresent);
}

TEST_F(IrDAPortsTest, NtFamilyPortsComeFromValuesNamedSerial) {
    Rs.OsPlatformId = 2;
    EXPECT_FALSE(ComPorts::IsComPortPresent(1));
    fake::SetString(kLocalMachine, kMap, L"\\Device\\sErIaL0", L"COM1");
    fake::SetString(kLocalMachine, kMap, L"\\Device\\Modem0", L"COM3");
    fake::SetString(kLocalMachine, kMap, L"\\Device\\Serial1", L"com2");
    EXPECT_TRUE(ComPorts::IsComPortPresent(1));
    EXPECT_TRUE(ComPorts::IsComPortPresent(2));
    EXPECT_FALSE(ComPorts::IsComPortPresent(3));
    EXPECT_FALSE(ComPorts::IsComPortPresent(4));
}

// Every value counts on both families but modems and Bluetooth links; data COM1 to COM256 exactly. A search
// probes COM1 to COM9 but Bluetooth links, then the present ports above.
// Drivers may store the port's name without its terminating NUL.
TEST_F(IrDAPortsTest, APortNameWithoutItsNulIsReadWhole) {
    Rs.OsPlatformId = 2;
    fake::SetString(kLocalMachine, kMap, L"\\Device\\VCP0", L"");
    fake::FindKey(kLocalMachine, kMap)->values[fake::Fold(L"\\Device\\VCP0")].bytes = "COM12";
    EXPECT_EQ(ComPorts::PresentPorts(), std::vector<int16_t>{12});
}

TEST_F(IrDAPortsTest, PortsOfTheMapOnBothFamilies) {
    using Ports = std::vector<int16_t>;
    struct Case {
        int platform;
        std::vector<std::pair<std::wstring, std::wstring>> map;
        Ports present, named, search;
    } cases[] = {
        {2,
         {{L"\\Device\\Serial2", L"COM3"},
          {L"\\Device\\VCP0", std::wstring(L"com12\0", 6)},
          {L"\\Device\\BthModem0", L"COM15"},
          {L"\\Device\\BthModem1", L"COM5"},
          {L"\\Device\\Winachsf0", L"COM4"},
          {L"\\Device\\Serial9", L"COM257"},
          {L"\\Device\\Serial8", L"COM07"}},
         {3, 12},
         {3, 4, 5, 12, 15},
         {1, 2, 3, 4, 6, 7, 8, 9, 12}},
        {1, {{L"COM1", L"COM1"}, {L"Silabser0", L"COM12 "}}, {1, 12}, {1, 12}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 12}}};
    for (const Case& c : cases) {
        testsupport::FreshWorld();
        Rs.OsPlatformId = c.platform;
        for (const auto& value : c.map) fake::SetString(kLocalMachine, kMap, value.first, value.second);
        EXPECT_EQ(ComPorts::PresentPorts(), c.present) << c.platform;
        EXPECT_EQ(ComPorts::NamedPorts(), c.named) << c.platform;
        EXPECT_EQ(ComPorts::SearchPorts(), c.search) << c.platform;
    }
}

TEST_F(IrDAPortsTest, Windows2000RefusesConflictingIrComm) {
    Rs.OsName = L"WinXP";
    fake::MakeKey(kLocalMachine, L"System\\CurrentControlSet\\Enum\\IrComm2k\\Bridge\\0000");
    CheckIrComm2k::CheckIrComm2k();
    EXPECT_EQ(Rs.MessageId, 0);
    Rs.OsName = L"Win2K";
    EXPECT_THROW(CheckIrComm2k::CheckIrComm2k(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 115);
    fake::Reset();
    testsupport::LoadConfigStrings();
    fake::MakeKey(kLocalMachine,
                  L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Windows 2000 Virtual IrComm");
    EXPECT_THROW(CheckIrComm2k::CheckIrComm2k(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 116);
}

}  // namespace
