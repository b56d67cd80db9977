#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/CreateTempFile.h"
#include "core/runApp.h"

namespace {

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        Rs.TempDir = L"C:\\TEMP\\";
        fake::PutDir(L"C:\\TEMP");
    }
};

TEST_F(ProcessTest, TwoTempFilesHaveDifferentNamesAndBothExist) {
    std::wstring a = CreateTempFile::MakeTempFile(L"KTI"), b = CreateTempFile::MakeTempFile(L"KTI");
    EXPECT_NE(a, b);
    EXPECT_TRUE(fake::HasFile(a));
    EXPECT_TRUE(fake::HasFile(b));
    EXPECT_EQ(fake::FileBytes(a), "");
}

TEST_F(ProcessTest, OnlyThreeCharactersOfThePrefixAreUsed) {
    std::wstring name = CreateTempFile::MakeTempFile(L"KTIXYZ");
    EXPECT_EQ(name.substr(0, 11), L"C:\\TEMP\\KTI");
    EXPECT_EQ(name.find(L"XYZ"), std::wstring::npos);
    EXPECT_EQ(name.substr(name.size() - 4), L".TMP");
}

TEST_F(ProcessTest, AFailedTempFileGivesNothingAndNoLogLine) {
    Rs.TempDir = L"C:\\MISSING\\";
    EXPECT_EQ(CreateTempFile::MakeTempFile(L"KTI"), L"");
    EXPECT_TRUE(testsupport::LogMessages().empty());
}

TEST_F(ProcessTest, RunAndWaitOfAMissingProgramReturns) {
    fake::W().missingPrograms.insert(fake::Fold(L"C:\\nowhere.exe"));
    runApp::RunAndWait(L"C:\\nowhere.exe /x");
    EXPECT_EQ(fake::W().waited, std::vector<std::wstring>{L"C:\\nowhere.exe /x"});
    EXPECT_EQ(testsupport::LogMessages(),
              std::vector<std::wstring>{L"program not started, error 2: C:\\nowhere.exe /x"});
}

TEST_F(ProcessTest, ProgramPathsWithBlanksAreQuotedOthersKeptAsTheyAre) {
    EXPECT_EQ(runApp::ProgramPath(L"C:\\TEMP\\kt\\setup.exe"), L"C:\\TEMP\\kt\\setup.exe");
    EXPECT_EQ(runApp::ProgramPath(L"C:\\My Temp\\kt\\setup.exe"), L"\"C:\\My Temp\\kt\\setup.exe\"");
    EXPECT_EQ(runApp::ProgramPath(L"\"C:\\My Temp\\a.exe\""), L"\"C:\\My Temp\\a.exe\"");
}

// Without a short form, quoted; the C run-time would read \" as a quote.
TEST_F(ProcessTest, ArgumentsWithBlanksBecomeOneArgument) {
    EXPECT_EQ(runApp::Argument(L"C:\\No Short\\", L"\\kt\\"), L"\"C:\\No Short\\\\kt\\\\\"");
}

}  // namespace
