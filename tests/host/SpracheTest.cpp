#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

#include "core/RunState.h"
#include "fakes/Fakes.h"
#include "localisation/Sprache.h"

using namespace Sprache;

namespace {

const wchar_t kShell32[] = L"C:\\WINDOWS\\SYSTEM32\\shell32.dll";
constexpr uint32_t kSEngCountry = 4098;
constexpr uint32_t kICountry = 5;

class SpracheTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        ResetRunState();
        Rs.SystemDir = L"C:\\WINDOWS\\SYSTEM32\\";
    }
    static void Locale(uint32_t type, const std::wstring& value) {
        fake::W().localeW[type] = value;
        fake::W().localeA[type] = value;
    }
    static std::string Log() { return fake::FileBytes(L"C:\\gprs_log.txt"); }
};

std::wstring Id(unsigned n) {
    wchar_t buf[8];
    std::swprintf(buf, 8, L"%04X", n);
    return buf;
}

TEST_F(SpracheTest, LanguageTableHas120KeysFor56Codes) {
    std::set<std::wstring> codes;
    int keys = 0;
    for (unsigned n = 0; n <= 0xFFFF; ++n) {
        std::wstring code = LanguageCodeFromId(Id(n));
        if (code.empty()) continue;
        ++keys;
        codes.insert(code);
        EXPECT_EQ(code.size(), 2u) << Id(n).c_str();
    }
    EXPECT_EQ(keys, 123);
    EXPECT_EQ(codes.size(), 56u);
}

TEST_F(SpracheTest, LanguageTableRows) {
    const std::map<std::wstring, std::wstring> rows = {{L"0407", L"DE"},
                                                       {L"0807", L"DE"},
                                                       {L"1407", L"DE"},
                                                       {L"0409", L"EN"},
                                                       {L"2C09", L"EN"},
                                                       {L"0009", L"EN"},
                                                       {L"0804", L"ZH"},
                                                       {L"0004", L"ZH"},
                                                       {L"040C", L"FR"},
                                                       {L"0C0A", L"ES"},
                                                       {L"500A", L"ES"},
                                                       {L"041D", L"SV"},
                                                       {L"081D", L"SV"},
                                                       {L"0C1A", L"SR"},
                                                       {L"081A", L"SR"},
                                                       {L"0423", L"BG"},
                                                       {L"4001", L"AR"},
                                                       {L"0421", L"IN"},
                                                       {L"043D", L"JI"},
                                                       {L"042E", L"SB"},
                                                       {L"0430", L"SX"},
                                                       {L"0436", L"AF"},
                                                       {L"0435", L"ZU"},
                                                       {L"0814", L"NO"},
                                                       {L"0C04", L"ZH"},
                                                       {L"1004", L"ZH"},
                                                       {L"1404", L"ZH"},
                                                       // Not in the table: no default here.
                                                       {L"0000", L""},
                                                       {L"", L""},
                                                       {L"407", L""},
                                                       {L"00407", L""}};
    for (const auto& r : rows) EXPECT_EQ(LanguageCodeFromId(r.first), r.second) << r.first.c_str();
    // The id is upper-cased before the lookup.
    EXPECT_EQ(LanguageCodeFromId(L"040c"), L"FR");
    EXPECT_EQ(LanguageCodeFromId(L"0c0a"), L"ES");
}

TEST_F(SpracheTest, WordsAreSigned16BitHalves) {
    EXPECT_EQ(LoWord(0x04E40407u), 0x0407);
    EXPECT_EQ(HiWord(0x04E40407u), 1252);
    EXPECT_EQ(LoWord(0x0000FFFFu), -1);
    EXPECT_EQ(HiWord(0xFFFF0000u), -1);
    EXPECT_EQ(LoWord(0x12348000u), -32768);
    EXPECT_EQ(HiWord(0x80001234u), -32768);
    EXPECT_EQ(HiWord(0x7FFF0000u), 32767);
}

TEST_F(SpracheTest, FileTranslationForms) {
    fake::W().translations[fake::Fold(L"C:\\a.dll")] = {0x04B00409u, 0x04E40407u};
    fake::W().translations[fake::Fold(L"C:\\b.dll")] = {};
    fake::W().translations[fake::Fold(L"C:\\c.dll")] = {0xFDE90C0Au};
    EXPECT_EQ(GetFileTranslation(L"C:\\a.dll"), L"040904B0");  // only the first entry counts
    EXPECT_EQ(GetFileTranslation(L"C:\\b.dll"), L"00000000");  // version information, no translation
    EXPECT_EQ(GetFileTranslation(L"C:\\c.dll"), L"0C0AFDE9");  // letters upper-case, negative half
    EXPECT_EQ(GetFileTranslation(L"C:\\none.dll"), L"");       // no version information
}

TEST_F(SpracheTest, SystemLanguageIdFromShell32) {
    fake::W().translations[fake::Fold(kShell32)] = {0x04E4040Cu, 0x04B00409u};
    EXPECT_EQ(GetSystemLanguageId(), L"040C");
    EXPECT_EQ(Rs.SystemCodePage, L"1252");

    fake::W().translations[fake::Fold(kShell32)] = {0xFDE90419u};
    EXPECT_EQ(GetSystemLanguageId(), L"0419");
    EXPECT_EQ(Rs.SystemCodePage, L"-535");  // the high half read as signed

    fake::W().translations[fake::Fold(kShell32)] = {};
    EXPECT_EQ(GetSystemLanguageId(), L"0000");
    EXPECT_EQ(Rs.SystemCodePage, L"0");

    fake::W().translations.clear();
    Rs.SystemCodePage = L"850";
    EXPECT_EQ(GetSystemLanguageId(), L"");
    EXPECT_EQ(Rs.SystemCodePage, L"850");  // unchanged without version information
}

TEST_F(SpracheTest, LocaleStringFromTheWideCall) {
    fake::W().localeW[kICountry] = L"49";
    fake::W().localeA[kICountry] = L"wrong";
    EXPECT_EQ(GetLocaleString(kICountry), L"49");
    EXPECT_EQ(GetLocaleString(4242), L"");
}

TEST_F(SpracheTest, LocaleStringFallsBackToAnsiOnWindows9x) {
    fake::W().localeA[kSEngCountry] = L"Germany";
    EXPECT_EQ(GetLocaleString(kSEngCountry), L"Germany");
}

TEST_F(SpracheTest, BlankWideItemIsReadAgainThroughAnsi) {
    fake::W().localeW[kICountry] = L"   ";
    fake::W().localeA[kICountry] = L"49";
    EXPECT_EQ(GetLocaleString(kICountry), L"49");
    // A wide item that is not blank stays, spaces and all.
    fake::W().localeW[kICountry] = L" 4 ";
    EXPECT_EQ(GetLocaleString(kICountry), L" 4 ");
}

TEST_F(SpracheTest, CountryInformationForEnglishWindowsWithGermanLocale) {
    Locale(kSEngCountry, L"Germany");
    Locale(kICountry, L"49");
    fake::W().translations[fake::Fold(kShell32)] = {0x04E40409u};
    GetCountryInformation();
    EXPECT_EQ(Rs.CountryName, L"Germany");
    EXPECT_EQ(Rs.CountryCode, L"49");
    EXPECT_EQ(Rs.LanguageId, L"0409");
    EXPECT_EQ(Rs.SystemCodePage, L"1252");
    EXPECT_EQ(Rs.LanguageCode, L"EN");
    EXPECT_EQ(Log(),
              "Get country information START\t14:03:22\t07.12.2002\r\n"
              "detected language id: 0409\t14:03:22\t07.12.2002\r\n"
              "detected country: EN\t14:03:22\t07.12.2002\r\n"
              "Get country information END\t14:03:22\t07.12.2002\r\n");
}

TEST_F(SpracheTest, CountryInformationWithoutVersionInformationOrLocale) {
    GetCountryInformation();
    EXPECT_EQ(Rs.CountryName, L"");
    EXPECT_EQ(Rs.CountryCode, L"");
    EXPECT_EQ(Rs.LanguageId, L"");
    EXPECT_EQ(Rs.LanguageCode, L"");
    EXPECT_NE(Log().find("detected language id: \t"), std::string::npos);
    EXPECT_NE(Log().find("detected country: \t"), std::string::npos);
}

}  // namespace
