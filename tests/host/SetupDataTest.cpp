// The setup data, the driver file and the infrared patches.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "install/CopyFiles.h"
#include "install/InstallIRDAPatches.h"
#include "install/WriteSetupData.h"
#include "platform/RegAccess.h"

namespace {

const wchar_t* const kKt = L"C:\\TEMP\\kt\\";
const wchar_t* const kInf = L"C:\\WINDOWS\\inf\\";
const wchar_t* const kTrigger = L"C:\\TEMP\\KTI1B.TMP";
const wchar_t* const kIrPort = L"Enum\\Infrared\\COM\\ROOT&INFRARED&0000";

std::wstring Kt(const wchar_t* name) { return std::wstring(kKt) + name; }
std::wstring Inf(const wchar_t* name) { return std::wstring(kInf) + name; }
uint32_t Attributes(const std::wstring& path) { return fake::W().files[fake::Fold(path)].attributes; }

class SetupDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.WindowsDir = L"C:\\WINDOWS\\";
        Rs.SystemDir = L"C:\\WINDOWS\\SYSTEM32\\";
        Rs.WorkDir = Rs.TempDir = L"C:\\TEMP\\";
        Rs.TriggerFile = kTrigger;
        Rs.ProductName = L"Valmor GPRS";
        Rs.ProductCode = L"VLMGPRS";
        Rs.ComPort = L"COM1";
        Rs.LanguageCode = L"DE";
        fake::PutFile(kTrigger, "[CM_32]\r\ntrigger=50\r\n");
        fake::PutDir(kInf);
        fake::PutFile(Inf(L"mdmvlm.inf"), "old inf");
        fake::PutFile(Inf(L"mdmvlm.pnf"), "old pnf");
        // The templates ship read-only.
        fake::PutFile(Kt(L"mdmvlm2k.in_"), "2k COM4\r\n", sys::kAttrReadOnly);
        fake::PutFile(Kt(L"mdmvlmxp.in_"), "xp COM4\r\n", sys::kAttrReadOnly);
        fake::PutFile(Kt(L"mdmvlmnt.in_"), "nt COM4\r\n", sys::kAttrReadOnly);
        fake::PutFile(Kt(L"mdmvlm9x.in_"), "9x COM4\r\n", sys::kAttrReadOnly);
    }
};

// The whole section for each family, the driver copy and where it goes.
TEST_F(SetupDataTest, EachSystemGetsItsSectionAndItsDriverFile) {
    const std::string head = "[Variables]\r\nkundel=Valmor GPRS\r\nkundek=VLMGPRS\r\nComPort=COM1\r\n";
    const std::string names = "ModName=GPRS via COM\r\nModName1=GPRS via IRDA\r\nModName2=Z72 Modem (GPRS)\r\n";
    const std::string modInst = "ModInst9x=1\r\nModInst2K=1\r\nModInstXP=1\r\n";
    struct Case {
        const wchar_t* os;
        bool noPortSkip;
        std::string section;
        std::string driver;
    } cases[] = {
        {L"WinXP", false, head + "os=WinXP\r\nfcountry=DE\r\nModInstNT=1\r\n" + modInst + names, "xp COM4\r\n"},
        {L"Win2K", true, head + "os=Win2K\r\nfcountry=DE\r\nModInstNT=1\r\nSysUpdate=1\r\n" + names, "2k COM4\r\n"},
        {L"WinNT", false,
         head + "os=WinNT\r\nfcountry=DE\r\nModInstNT=1\r\n" + modInst + "SysUpdate=1\r\n" + names +
             "langcode=040704B0\r\n",
         "nt COM4\r\n"},
        // No infrared port registered: the template stays as it is.
        {L"Win95", false, head + "os=Win95\r\nfcountry=DE\r\nModInstNT=1\r\n" + modInst + "SysUpdate=1\r\n" + names,
         "9x COM4\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.os);
        SetUp();
        Rs.OsName = c.os;
        Rs.NoPortSkip = c.noPortSkip;
        fake::W().translations[fake::Fold(L"C:\\WINDOWS\\SYSTEM32\\unimdm.tsp")] = {0x04B00407, 0x04E40409};
        WriteSetupData::WriteSetupData();
        EXPECT_EQ(fake::FileBytes(kTrigger), c.section);
        EXPECT_EQ(fake::FileBytes(Kt(L"mdmvlm.inf")), c.driver);
        EXPECT_EQ(Attributes(Kt(L"mdmvlm.inf")), sys::kAttrNormal);
        EXPECT_FALSE(fake::HasFile(Inf(L"mdmvlm.pnf")));
        EXPECT_EQ(fake::FileBytes(Inf(L"mdmvlm.inf")), c.noPortSkip ? c.driver : "<no file>");
        auto log = testsupport::LogMessages();
        EXPECT_EQ(log.front(), L"writing init data START");
        EXPECT_EQ(log.back(), L"writing init data END");
    }
}

TEST_F(SetupDataTest, Windows98RewritesEveryCom4ToTheRegisteredInfraredPort) {
    Rs.OsName = L"Win98";
    Rs.NoPortSkip = true;
    fake::SetString(RegAccess::kLocalMachine, kIrPort, L"PortName", L"COM5");
    // Mixed line ends and a last line without one; the lower-case name stays.
    fake::PutFile(Kt(L"mdmvlm9x.in_"), "a=COM4,COM4\r\nb=com4\n\r\nc=xCOM44", sys::kAttrReadOnly);
    fake::PutFile(Kt(L"mdmvlm.inf"), "earlier result that is longer than the new one\r\n");
    WriteSetupData::WriteSetupData();
    const std::string expected = "a=COM5,COM5\r\nb=com4\r\n\r\nc=xCOM54\r\n";
    EXPECT_EQ(fake::FileBytes(Kt(L"mdmvlm.inf")), expected);
    EXPECT_EQ(fake::FileBytes(Inf(L"mdmvlm.inf")), expected);
    EXPECT_EQ(Attributes(Inf(L"mdmvlm.inf")), sys::kAttrNormal);
    EXPECT_EQ(
        testsupport::LogMessages(),
        (std::vector<std::wstring>{L"writing init data START", L"VirtualComPort: COM5", L"writing init data END"}));
    fake::W().ansiCodePage = 932;  // a trail byte may be a 'C' or a quote
    fake::PutFile(Kt(L"mdmvlm9x.in_"), "d=\223\"COM4\"\r\ne=\203COM4", sys::kAttrReadOnly);
    WriteSetupData::WriteSetupData();
    EXPECT_EQ(fake::FileBytes(Kt(L"mdmvlm.inf")), "d=\223\"COM5\"\r\ne=\203COM4\r\n");
}

TEST_F(SetupDataTest, AMissingTemplateGivesNoDriverFileAndLosesNothingElse) {
    for (const wchar_t* os : {L"Win2K", L"WinME"}) {
        SetUp();
        Rs.OsName = os;
        Rs.NoPortSkip = true;
        fake::W().files.erase(fake::Fold(Kt(os == std::wstring(L"Win2K") ? L"mdmvlm2k.in_" : L"mdmvlm9x.in_")));
        WriteSetupData::WriteSetupData();
        EXPECT_EQ(fake::FileBytes(kTrigger).find("[Variables]\r\n"), 0u);
        EXPECT_FALSE(fake::HasFile(Kt(L"mdmvlm.inf")));
        EXPECT_FALSE(fake::HasFile(Inf(L"mdmvlm.inf")));
        EXPECT_FALSE(fake::HasFile(Inf(L"mdmvlm.pnf")));
        EXPECT_EQ(testsupport::LogMessages().back(), L"writing init data END");
    }
}

TEST_F(SetupDataTest, CopyFilesTakesOrdinaryMatchesOnly) {
    fake::PutDir(L"C:\\SRC\\a.in_");  // a directory whose name matches
    fake::PutFile(L"C:\\SRC\\b.in_", "b", sys::kAttrReadOnly);
    fake::PutFile(L"C:\\SRC\\c.in_", "c", sys::kAttrHidden);
    fake::PutFile(L"C:\\SRC\\d.txt", "d");
    fake::PutDir(L"C:\\DST");
    CopyFiles::CopyFiles(L"C:\\SRC\\", L"*.in_", L"C:\\DST\\", L"");
    EXPECT_EQ(fake::FileBytes(L"C:\\DST\\b.in_"), "b");
    EXPECT_EQ(Attributes(L"C:\\DST\\b.in_"), sys::kAttrNormal);
    EXPECT_FALSE(fake::HasFile(L"C:\\DST\\a.in_"));
    EXPECT_FALSE(fake::HasDir(L"C:\\DST\\a.in_"));
    EXPECT_FALSE(fake::HasFile(L"C:\\DST\\c.in_"));
    EXPECT_FALSE(fake::HasFile(L"C:\\DST\\d.txt"));
    // A name that matches only a directory copies nothing.
    CopyFiles::CopyFiles(L"C:\\SRC\\", L"a.in_", L"C:\\DST\\", L"x.inf");
    EXPECT_FALSE(fake::HasFile(L"C:\\DST\\x.inf"));
}

class IrDAPatchesTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.WindowsDir = L"C:\\WINNT\\";
        fake::PutFile(kIrInf,
                      "[Version]\r\nSignature=\"$CHICAGO$\"\r\n[Valmor]\r\nA=1\r\n[Standard]\r\nB=2\r\n"
                      "[Manufacturer]\r\nC=3\r\n");
        fake::PutFile(L"C:\\WINNT\\inf\\mdmirmdm.pnf", "pnf");
    }
    const wchar_t* const kIrInf = L"C:\\WINNT\\inf\\mdmirmdm.inf";
    const wchar_t* const kHotfixKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Q252795";
};

TEST_F(IrDAPatchesTest, EachSystemAndHotfixState) {
    const std::string edited = "[Version]\r\nSignature=\"$CHICAGO$\"\r\n[Manufacturer]\r\nC=3\r\n";
    const wchar_t* const kBlankDir = L"C:\\Documents and Settings\\u\\Temp\\";
    struct Case {
        const wchar_t* os;
        bool hotfixKey;
        const wchar_t* workDir;
        const wchar_t* language;
        std::wstring command;  // the one command waited for, if any
        std::wstring log;      // the one log line, if any
    } cases[] = {
        {L"WinXP", false, L"C:\\TEMP\\", L"DE", L"", L"edit MDMIRMDM.INF"},
        {L"Win2K", true, L"C:\\TEMP\\", L"DE", L"", L""},
        {L"Win2K", false, L"C:\\TEMP\\", L"DE", L"C:\\TEMP\\kt\\w2kDE.exe -q -m -z", L"installing IRDA-patch"},
        {L"Win2K", false, kBlankDir, L"", L"\"C:\\Documents and Settings\\u\\Temp\\kt\\w2k.exe\" -q -m -z",
         L"installing IRDA-patch"},
        {L"Win98", true, L"C:\\TEMP\\", L"DE", L"", L""},
        {L"WinNT", true, L"C:\\TEMP\\", L"DE", L"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.os << " key " << c.hotfixKey);
        SetUp();
        Rs.OsName = c.os;
        Rs.WorkDir = c.workDir;
        Rs.LanguageCode = c.language;
        if (c.hotfixKey) fake::MakeKey(RegAccess::kLocalMachine, kHotfixKey);
        InstallIRDAPatches::InstallIRDAPatches();
        using Lines = std::vector<std::wstring>;
        EXPECT_EQ(fake::W().waited, c.command.empty() ? Lines{} : Lines{c.command});
        EXPECT_EQ(testsupport::LogMessages(), c.log.empty() ? Lines{} : Lines{c.log});
        EXPECT_EQ(Rs.IrCommHotfixInstalled, c.hotfixKey && c.os == std::wstring(L"Win2K"));
        bool edits = c.os == std::wstring(L"Win2K") || c.os == std::wstring(L"WinXP");
        EXPECT_EQ(fake::FileBytes(kIrInf) == edited, edits);
        EXPECT_EQ(fake::HasFile(L"C:\\WINNT\\inf\\mdmirmdm.pnf"), !edits);
    }
}

}  // namespace
