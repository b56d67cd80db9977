#include <gtest/gtest.h>

#include "core/RunState.h"
#include "fakes/Fakes.h"
#include "localisation/ResHandling.h"

using namespace ResHandling;

namespace {

constexpr sys::Handle kEn = 0x7100, kDe = 0x7200;
const wchar_t k9999[] =
    L"This version of kundel Quelnet is not working on flang Windows versions. \\n\\nPlease contact customer "
    L"service.";

class ResHandlingTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        ResetRunState();
        auto& own = fake::W().modules[0].strings;
        own[5] = L"&OK";
        own[1000] = L"VLMGPRS";
        own[1001] = L"Valmor GPRS";
        own[9999] = k9999;
        fake::PutDir(L"C:\\PROGRAM");
        fake::W().loadable[fake::Fold(L"C:\\PROGRAM\\en.dll")] = kEn;
        fake::W().loadable[fake::Fold(L"C:\\PROGRAM\\DE.dll")] = kDe;
    }
    static std::string Log() { return fake::FileBytes(L"C:\\gprs_log.txt"); }
    static std::wstring& Text(sys::Handle module, uint32_t id) { return fake::W().modules[module].strings[id]; }
    static std::wstring Of(const std::wstring& text) {
        Rs.LanguageLibrary = kEn;
        Text(kEn, 300) = text;
        return GetLanguageString(300);
    }
};

TEST_F(ResHandlingTest, EmptyCodeLoadsTheDefaultLibrary) {
    fake::PutFile(L"C:\\PROGRAM\\en.dll");
    LoadLanguageLibrary();
    EXPECT_EQ(Rs.LanguageLibrary, kEn);
    EXPECT_EQ(Log(), "default language file loaded.\t14:03:22\t07.12.2002\r\n");
}

TEST_F(ResHandlingTest, DetectedCodeLoadsItsLibraryBesideTheProgram) {
    fake::PutFile(L"C:\\PROGRAM\\DE.dll");
    fake::PutFile(L"C:\\PROGRAM\\en.dll");
    Rs.LanguageCode = L"DE";
    LoadLanguageLibrary();
    EXPECT_EQ(Rs.LanguageLibrary, kDe);
    EXPECT_EQ(Log(), "language file DE.DLLloaded.\t14:03:22\t07.12.2002\r\n");
}

TEST_F(ResHandlingTest, HiddenSystemOrDirectoryEntriesDoNotCount) {
    fake::PutFile(L"C:\\PROGRAM\\DE.dll", "", sys::kAttrHidden);
    fake::PutFile(L"C:\\PROGRAM\\FR.dll", "", sys::kAttrSystem);
    fake::PutDir(L"C:\\PROGRAM\\IT.dll");
    fake::PutFile(L"C:\\PROGRAM\\en.dll", "", sys::kAttrReadOnly);
    for (const wchar_t* code : {L"DE", L"FR", L"IT"}) {
        fake::W().files.erase(fake::Fold(L"C:\\gprs_log.txt"));
        Rs.LanguageCode = code;
        LoadLanguageLibrary();
        EXPECT_EQ(Rs.LanguageLibrary, kEn) << code;
        EXPECT_EQ(Log(), "default language file loaded.\t14:03:22\t07.12.2002\r\n") << code;
    }
}

// A damaged library (the fake cannot load NL.dll, nor en.dll once it is
// taken off the loadable list) counts as missing, with the reason logged.
TEST_F(ResHandlingTest, LibraryThatDoesNotLoadFallsBackToTheDefaultThenToMessage9999) {
    fake::PutFile(L"C:\\PROGRAM\\NL.dll");
    fake::PutFile(L"C:\\PROGRAM\\en.dll");
    Rs.LanguageCode = L"NL";
    LoadLanguageLibrary();
    EXPECT_EQ(Rs.LanguageLibrary, kEn);
    EXPECT_EQ(Log(),
              "language file NL.DLL not loaded, error 193\t14:03:22\t07.12.2002\r\n"
              "default language file loaded.\t14:03:22\t07.12.2002\r\n");

    fake::W().files.erase(fake::Fold(L"C:\\gprs_log.txt"));
    fake::W().loadable.clear();
    Rs.LanguageLibrary = 0;
    EXPECT_THROW(LoadLanguageLibrary(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 9999);
    EXPECT_EQ(Rs.LanguageLibrary, 0u);
    EXPECT_EQ(Log().rfind("language file NL.DLL not loaded, error 193\t14:03:22\t07.12.2002\r\n"
                          "default language file not loaded, error 193\t",
                          0),
              0u)
        << Log();

    // en.dll as the detected language is tried once.
    fake::W().files.erase(fake::Fold(L"C:\\gprs_log.txt"));
    fake::W().loadCalls.clear();
    Rs.LanguageCode = L"EN";
    EXPECT_THROW(LoadLanguageLibrary(), fake::ProgramEnded);
    EXPECT_EQ(fake::W().loadCalls, std::vector<std::wstring>{L"C:\\PROGRAM\\EN.dll"});
}

TEST_F(ResHandlingTest, NoLibraryShowsMessage9999WithProductAndCountry) {
    Rs.LanguageCode = L"DE";
    Rs.CountryName = L"Germany";
    EXPECT_THROW(LoadLanguageLibrary(), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 9999);
    EXPECT_EQ(Rs.LanguageLibrary, 0u);
    // Before LoadProductStrings the product name comes from the string table.
    EXPECT_EQ(GetLanguageString(9999),
              L"This version of Valmor GPRS Quelnet is not working on Germany Windows versions. \r\n\r\nPlease "
              L"contact customer service.");
}

TEST_F(ResHandlingTest, Message9999NeverComesFromTheLibrary) {
    Rs.LanguageLibrary = kEn;
    Rs.ProductName = L"Other";
    Text(kEn, 9999) = L"from the library";
    EXPECT_EQ(GetLanguageString(9999).substr(0, 22), L"This version of Other ");
}

TEST_F(ResHandlingTest, MissingIdGivesEmptyText) {
    Rs.LanguageLibrary = kEn;
    Text(kEn, 1) = L"Next";
    EXPECT_EQ(GetLanguageString(1), L"Next");
    EXPECT_EQ(GetLanguageString(2), L"");
}

TEST_F(ResHandlingTest, PlaceholdersEverywhereInsideWordsAndCaseSensitive) {
    Rs.ProductName = L"Valmor GPRS";
    Rs.ProductCode = L"VLMGPRS";
    Rs.WindowsDrive = L"C:";
    Rs.CountryName = L"Germany";
    EXPECT_EQ(Of(L"a\\nb\\n"), L"a\r\nb\r\n");
    EXPECT_EQ(Of(L"kundelX kundek/kundel"), L"Valmor GPRSX VLMGPRS/Valmor GPRS");
    EXPECT_EQ(Of(L"Kundel KUNDEK %W Flang"), L"Kundel KUNDEK %W Flang");
    EXPECT_EQ(Of(L"%w%wflang"), L"C:C:Germany");
    EXPECT_EQ(Of(L"\\N stays, \\\\n half"), L"\\N stays, \\\r\n half");
}

TEST_F(ResHandlingTest, LaterPlaceholdersInsideEarlierValuesAreReplaced) {
    Rs.WindowsDrive = L"D:";
    Rs.CountryName = L"Land %d";
    Rs.FreeDiskSpace = 52428800;
    Rs.ProductName = L"Prod %w kundek";
    Rs.ProductCode = L"flang";
    EXPECT_EQ(Of(L"kundel"), L"Prod D: Land 50");
    // An earlier placeholder inside a later value stays as it is.
    Rs.CountryName = L"kundel\\n";
    EXPECT_EQ(Of(L"flang"), L"kundel\\n");
}

TEST_F(ResHandlingTest, DiskSpaceInTheGeneralNumberFormat) {
    Rs.FreeDiskSpace = 40000000;
    Rs.RequiredDiskSpace = 52428800;
    EXPECT_EQ(Of(L"%d MB of %r MB"), L"38.14697265625 MB of 50 MB");
    fake::W().decimalSeparator = L",";
    EXPECT_EQ(Of(L"%d|%r"), L"38,14697265625|50");
    Rs.FreeDiskSpace = 0;
    Rs.RequiredDiskSpace = 1;  // 15 significant digits, no trailing zeros
    EXPECT_EQ(Of(L"%d|%r"), L"0|9,5367431640625E-07");
    Rs.FreeDiskSpace = 1024.0 * 1024 * 1234567;
    Rs.RequiredDiskSpace = 1024.0 * 1024 / 3;
    EXPECT_EQ(Of(L"%d|%r"), L"1234567|0,333333333333333");
}

TEST_F(ResHandlingTest, LongTextIsCutTo2047Characters) {
    std::wstring text = Of(std::wstring(2046, L'a') + L"bcd");
    EXPECT_EQ(text.size(), 2047u);
    EXPECT_EQ(text.substr(2045), L"ab");
    // The cut comes before the placeholders are filled.
    Rs.WindowsDrive = L"C:";
    text = Of(std::wstring(2046, L'a') + L"%w");
    EXPECT_EQ(text.size(), 2047u);
    EXPECT_EQ(text.substr(2045), L"a%");
}

}  // namespace
