#include <gtest/gtest.h>

#include "TestSupport.h"
#include "inspection/CheckServicePack2k.h"
#include "inspection/GetBrowserVersion.h"
#include "inspection/Os_version.h"
#include "platform/RegAccess.h"

namespace {

struct OsCase {
    uint32_t platform, major, minor;
    const wchar_t* name;
    int16_t message;
};

class OsVersionTest : public ::testing::TestWithParam<OsCase> {
protected:
    void SetUp() override { testsupport::FreshWorld(); }
};

TEST_P(OsVersionTest, ClassifiesByPlatformMajorAndMinor) {
    const OsCase& c = GetParam();
    fake::W().version = sys::OsVersion{c.major, c.minor, 1, c.platform, std::string(128, '\0')};
    if (c.message) {
        EXPECT_THROW(Os_version::GetOsVersion(), fake::ProgramEnded);
    } else {
        Os_version::GetOsVersion();
        EXPECT_EQ(testsupport::LogMessages().back(), L"get OS information END");
    }
    EXPECT_EQ(Rs.OsName, c.name);
    EXPECT_EQ(Rs.OsPlatformId, static_cast<int32_t>(c.platform));
    EXPECT_EQ(Rs.MessageId, c.message);
}

const wchar_t* const kNo = L"Nicht unterst\u00fctztes Betriebssystem";

INSTANTIATE_TEST_SUITE_P(Table, OsVersionTest,
                         ::testing::Values(OsCase{2, 4, 0, L"WinNT", 0}, OsCase{2, 5, 0, L"Win2K", 0},
                                           OsCase{2, 5, 1, L"WinXP", 0}, OsCase{2, 5, 2, L"WinXP", 0},
                                           OsCase{2, 6, 0, kNo, 107}, OsCase{2, 3, 51, kNo, 107},
                                           OsCase{1, 4, 0, L"Win95", 0}, OsCase{1, 4, 10, L"Win98", 0},
                                           OsCase{1, 4, 89, L"Win98", 0}, OsCase{1, 4, 90, L"WinME", 0},
                                           OsCase{1, 4, 91, kNo, 107}, OsCase{0, 3, 1, kNo, 107},
                                           OsCase{3, 5, 0, L"Unbekanntes Betriebsystem", 105}));

class BrowserTest : public ::testing::TestWithParam<std::pair<const wchar_t*, bool>> {
protected:
    void SetUp() override { testsupport::FreshWorld(); }
};

TEST_P(BrowserTest, VersionsCompareAsPlainText) {
    if (*GetParam().first)
        fake::SetString(RegAccess::kLocalMachine, L"Software\\Microsoft\\Internet Explorer", L"Version",
                        GetParam().first);
    GetBrowserVersion::ReadBrowserVersion();
    if (GetParam().second) {
        GetBrowserVersion::CheckBrowserVersion();
        EXPECT_EQ(Rs.MessageId, 0);
    } else {
        EXPECT_THROW(GetBrowserVersion::CheckBrowserVersion(), fake::ProgramEnded);
        EXPECT_EQ(Rs.MessageId, 108);
    }
    EXPECT_EQ(testsupport::LogMessages().front(),
              std::wstring(L"detected Internet Explorer Version: ") + GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(Versions, BrowserTest,
                         ::testing::Values(std::make_pair(L"4.72.3110.1", true), std::make_pair(L"4.72.2106.8", false),
                                           std::make_pair(L"5.00.2920.0", true), std::make_pair(L"6.0.2900", true),
                                           std::make_pair(L"10.0.1", false), std::make_pair(L"", false)));

TEST(ServicePackTest, Windows2000NeedsTheExactWords) {
    testsupport::FreshWorld();
    Rs.OsName = L"Win2K";
    Rs.OsServicePack = std::wstring(L"Service Pack 4") + std::wstring(114, L'\0');
    CheckServicePack2k::CheckServicePack2k();
    EXPECT_EQ(Rs.MessageId, 0);
    for (const wchar_t* sp : {L"", L"service pack 4"}) {
        Rs.OsServicePack = sp;
        EXPECT_THROW(CheckServicePack2k::CheckServicePack2k(), fake::ProgramEnded);
        EXPECT_EQ(Rs.MessageId, 114);
    }
    Rs.OsName = L"WinXP";
    Rs.OsServicePack = L"";
    Rs.MessageId = 0;
    CheckServicePack2k::CheckServicePack2k();
    EXPECT_EQ(Rs.MessageId, 0);
}

TEST(OsLogTest, TheServicePackIsLoggedAsTextWithoutItsPadding) {
    testsupport::FreshWorld();
    fake::W().version = sys::OsVersion{5, 1, 2600, 2, std::string("Service Pack 2") + std::string(114, '\0')};
    Os_version::GetOsVersion();
    EXPECT_EQ(Rs.OsServicePack.size(), 128u);
    auto log = testsupport::LogMessages();
    EXPECT_EQ(log[1], L"detected OS: WinXP");
    EXPECT_EQ(log[2], L"detected OSSubVersion: Service Pack 2");
    EXPECT_EQ(testsupport::LogBytes().find('\0'), std::string::npos);
}

}  // namespace
