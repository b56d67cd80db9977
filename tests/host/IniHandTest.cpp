#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/IniHand.h"

using testsupport::LogBytes;

namespace {

class IniHandTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::FreshWorld(); }
};

TEST_F(IniHandTest, EachLogLineIsTextTabTimeTabDateCrLfInCallOrder) {
    fake::W().timeText = L"14:03:22";
    fake::W().dateText = L"07.12.2002";
    IniHand::WriteLog(L"first");
    IniHand::WriteLog(L"");
    IniHand::WriteLog(L"detected OS: Nicht unterst\u00fctztes Betriebssystem");
    EXPECT_EQ(LogBytes(),
              "first\t14:03:22\t07.12.2002\r\n"
              "\t14:03:22\t07.12.2002\r\n"
              "detected OS: Nicht unterst\xFCtztes Betriebssystem\t14:03:22\t07.12.2002\r\n");
}

TEST_F(IniHandTest, LogAppendsToAnExistingFile) {
    fake::PutFile(L"C:\\gprs_log.txt", "old\r\n");
    IniHand::WriteLog(L"new");
    EXPECT_EQ(LogBytes().substr(0, 8), "old\r\nnew");
}

TEST_F(IniHandTest, ReadIniGivesTheValueOrTheDefault) {
    fake::PutFile(L"C:\\TEMP\\x.ini", "[CM_32]\r\ntrigger=42\r\nempty=\r\n");
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"trigger", L"0", L"C:\\TEMP\\x.ini"), L"42");
    EXPECT_EQ(IniHand::ReadIni(L"cm_32", L"TRIGGER", L"0", L"C:\\TEMP\\x.ini"), L"42");
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"empty", L"0", L"C:\\TEMP\\x.ini"), L"");
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"missing", L"0", L"C:\\TEMP\\x.ini"), L"0");
    EXPECT_EQ(IniHand::ReadIni(L"IrDA", L"trigger", L"0", L"C:\\TEMP\\x.ini"), L"0");
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"trigger", L"0", L"C:\\TEMP\\none.ini"), L"0");
}

TEST_F(IniHandTest, ReadIniCutsLongValuesTo2047Characters) {
    fake::PutFile(L"C:\\TEMP\\x.ini", "[S]\r\nk=" + std::string(3000, 'v') + "\r\n");
    EXPECT_EQ(IniHand::ReadIni(L"S", L"k", L"", L"C:\\TEMP\\x.ini"), std::wstring(2047, L'v'));
}

TEST_F(IniHandTest, WriteIniCreatesFileSectionAndKey) {
    fake::PutDir(L"C:\\TEMP");
    IniHand::WriteIni(L"Variables", L"ComPort", L"COM1", L"C:\\TEMP\\x.ini");
    IniHand::WriteIni(L"Variables", L"ModName", L"GPRS via COM", L"C:\\TEMP\\x.ini");
    IniHand::WriteIni(L"Variables", L"ComPort", L"COM2", L"C:\\TEMP\\x.ini");
    EXPECT_EQ(IniHand::ReadIni(L"Variables", L"ComPort", L"", L"C:\\TEMP\\x.ini"), L"COM2");
    EXPECT_EQ(IniHand::ReadIni(L"Variables", L"ModName", L"", L"C:\\TEMP\\x.ini"), L"GPRS via COM");
}

TEST_F(IniHandTest, AnEmptyFileNameReadsTheDefaultAndWritesNothing) {
    size_t files = fake::W().files.size();
    IniHand::WriteIni(L"S", L"k", L"v", L"");
    EXPECT_EQ(fake::W().files.size(), files);
    EXPECT_EQ(IniHand::ReadIni(L"S", L"k", L"def", L""), L"def");
}

}  // namespace
