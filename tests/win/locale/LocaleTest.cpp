// Locale, version resources and language libraries against the real API.
// What a call writes is read from storage prefilled with a marker; where the
// Windows 9x family and NT answer differently, both answers are named.
#include <gtest/gtest.h>

// clang-format off
// Before the sys headers: takes back the A/W macros of <windows.h>.
#include "platform/win32/Win32.h"
// clang-format on

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <string>

#include "core/RunState.h"
#include "localisation/ResHandling.h"
#include "localisation/Sprache.h"
#include "platform/sys/Files.h"
#include "platform/sys/Library.h"
#include "platform/sys/System.h"

namespace {

bool German() {
    const char* mode = std::getenv("WIZ_LOCALE");
    return mode && std::string(mode) == "de";
}

std::wstring TestDir() { return sys::ProgramDirectory() + L"\\"; }

std::wstring SystemDir() {
    char buf[MAX_PATH] = {};
    GetSystemDirectoryA(buf, MAX_PATH);
    return sys::FromAnsi(buf) + L"\\";
}

std::string Log() {
    std::string bytes;
    return sys::ReadWholeFile(L"C:\\gprs_log.txt", &bytes) ? bytes : std::string();
}

bool IsHex4(const std::wstring& s) {
    if (s.size() != 4) return false;
    for (wchar_t c : s)
        if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'))) return false;
    return true;
}

const DWORD kMarker = 0xdeadbeef;

// The size of a file's version information; the handle, which every system
// sets to 0, starts from the marker.
DWORD VersionInfoSize(const std::wstring& path) {
    DWORD handle = kMarker;
    DWORD size = GetFileVersionInfoSizeA(sys::ToAnsi(path).c_str(), &handle);
    EXPECT_EQ(handle, 0u) << sys::ToAnsi(path);
    return size;
}

// The first translation read with the version calls directly.
bool DirectTranslation(const std::wstring& path, DWORD* entry) {
    std::string file = sys::ToAnsi(path);
    DWORD size = VersionInfoSize(path);
    if (!size) return false;
    std::string data(size, '\0');
    if (!GetFileVersionInfoA(file.c_str(), 0, size, &data[0])) return false;
    void* p = reinterpret_cast<void*>(static_cast<uintptr_t>(kMarker));
    UINT len = kMarker;
    char sub[] = "\\VarFileInfo\\Translation";
    if (!VerQueryValueA(&data[0], sub, &p, &len)) return false;
    // An array of 32-bit entries inside the block just read.
    EXPECT_TRUE(len >= 4 && len % 4 == 0) << len;
    EXPECT_TRUE(p >= data.data() && static_cast<const char*>(p) + len <= data.data() + data.size());
    *entry = *static_cast<DWORD*>(p);
    return true;
}

// A locale item of the system's default locale as the ANSI call gives it on
// every system. The wide call gives the same on NT; on 9x it does nothing,
// and the wizard falls back to the ANSI call.
std::wstring ApiLocale(LCTYPE type) {
    char ansi[128];
    std::memset(ansi, '#', sizeof ansi);
    int n = GetLocaleInfoA(GetSystemDefaultLCID(), type, ansi, sizeof ansi);
    EXPECT_GT(n, 1);
    if (n < 1) return std::wstring();
    EXPECT_EQ(ansi[n - 1], '\0') << "the count includes the NUL";
    EXPECT_EQ(ansi[n], '#') << "written beyond the item";
    WCHAR wide[128];
    for (WCHAR& c : wide) c = L'#';
    int w = GetLocaleInfoW(GetSystemDefaultLCID(), type, wide, 128);
    EXPECT_TRUE(w == n /* NT */ || w == 0 /* 9x */) << w;
    if (w == n) {
        EXPECT_EQ(wide[n - 1], L'\0');
        EXPECT_EQ(std::wstring(wide, wide + n - 1), sys::FromAnsi(std::string(ansi, ansi + n - 1)));
    }
    return sys::FromAnsi(std::string(ansi, ansi + n - 1));
}

class LocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRunState();
        sys::DeleteFile(L"C:\\gprs_log.txt");
    }
    void TearDown() override {
        sys::FreeLibrary(Rs.LanguageLibrary);
        sys::DeleteFile(L"C:\\gprs_log.txt");
    }
};

TEST_F(LocaleTest, FileTranslationOfRealVersionResources) {
    EXPECT_EQ(Sprache::GetFileTranslation(TestDir() + L"ver_multi.dll"), L"040C04E4");
    EXPECT_EQ(Sprache::GetFileTranslation(TestDir() + L"ver_notrans.dll"), L"00000000");
    EXPECT_EQ(Sprache::GetFileTranslation(TestDir() + L"ver_none.dll"), L"");
    EXPECT_EQ(Sprache::GetFileTranslation(TestDir() + L"missing.dll"), L"");
    // What the "" rests on: a size of 0 for a library without version
    // information, whose reason differs from system to system.
    SetLastError(kMarker);
    EXPECT_EQ(VersionInfoSize(TestDir() + L"ver_none.dll"), 0u);
    DWORD error = GetLastError();
    EXPECT_TRUE(error == ERROR_RESOURCE_DATA_NOT_FOUND /* XP */ || error == ERROR_BAD_FORMAT /* 9x */ ||
                error == ERROR_SUCCESS /* 2000 */)
        << error;
    EXPECT_EQ(VersionInfoSize(TestDir() + L"missing.dll"), 0u);
    DWORD entry = kMarker;
    ASSERT_TRUE(DirectTranslation(TestDir() + L"ver_multi.dll", &entry));
    EXPECT_EQ(entry, 0x04E4040Cu) << "language in the low half, code page in the high half";
}

TEST_F(LocaleTest, SystemLanguageIdOfThePrefixShell32) {
    Rs.SystemDir = SystemDir();
    std::wstring id = Sprache::GetSystemLanguageId();
    DWORD entry = 0;
    ASSERT_TRUE(DirectTranslation(Rs.SystemDir + L"shell32.dll", &entry));
    EXPECT_TRUE(IsHex4(id)) << sys::ToAnsi(id);
    EXPECT_EQ(id, Sprache::GetFileTranslation(Rs.SystemDir + L"shell32.dll").substr(0, 4));
    EXPECT_EQ(std::stoul(id, nullptr, 16), entry & 0xFFFF);
    EXPECT_EQ(Rs.SystemCodePage, std::to_wstring(static_cast<short>(HIWORD(entry))));
    std::printf("shell32.dll: language id %ls, code page %ls\n", id.c_str(), Rs.SystemCodePage.c_str());
}

TEST_F(LocaleTest, LocaleStringsOfTheSystemDefaultLocale) {
    std::wstring code = Sprache::GetLocaleString(LOCALE_ICOUNTRY);
    std::wstring country = Sprache::GetLocaleString(LOCALE_SENGCOUNTRY);
    std::printf("system locale %04lX: country %ls, code %ls\n", GetSystemDefaultLCID(), country.c_str(), code.c_str());
    EXPECT_FALSE(code.empty());
    EXPECT_FALSE(country.empty());
    EXPECT_EQ(code, ApiLocale(LOCALE_ICOUNTRY));
    EXPECT_EQ(country, ApiLocale(LOCALE_SENGCOUNTRY));
    EXPECT_EQ(code.find(L'\0'), std::wstring::npos);
    if (German()) {
        EXPECT_EQ(code, L"49");
        EXPECT_EQ(country, L"Germany");
    }
}

TEST_F(LocaleTest, CountryInformationFillsTheRunStateAndLogs) {
    Rs.SystemDir = SystemDir();
    Sprache::GetCountryInformation();
    EXPECT_EQ(Rs.CountryCode, ApiLocale(LOCALE_ICOUNTRY));
    EXPECT_TRUE(IsHex4(Rs.LanguageId));
    EXPECT_EQ(Rs.LanguageCode, Sprache::LanguageCodeFromId(Rs.LanguageId));
    std::string log = Log();
    std::string id = sys::ToAnsi(Rs.LanguageId), code = sys::ToAnsi(Rs.LanguageCode);
    size_t a = log.find("Get country information START\t"), b = log.find("detected language id: " + id + "\t"),
           c = log.find("detected country: " + code + "\t"), d = log.find("Get country information END\t");
    ASSERT_NE(a, std::string::npos) << log;
    ASSERT_NE(b, std::string::npos) << log;
    ASSERT_NE(c, std::string::npos) << log;
    ASSERT_NE(d, std::string::npos) << log;
    EXPECT_TRUE(a < b && b < c && c < d) << log;
    if (German()) {
        EXPECT_EQ(Rs.CountryName, L"Germany");
    }
}

TEST_F(LocaleTest, LibraryOfTheDetectedCodeByBareName) {
    Rs.LanguageCode = L"XX";
    ResHandling::LoadLanguageLibrary();
    ASSERT_NE(Rs.LanguageLibrary, 0u);
    EXPECT_EQ(Log().substr(0, 27), "language file XX.DLLloaded.");
    EXPECT_EQ(ResHandling::GetLanguageString(1), L"Weiter");
    EXPECT_EQ(ResHandling::GetLanguageString(2), L"");
    Rs.LanguageId = L"0C1A";  // the table of the Windows language, whatever the thread's locale
    EXPECT_EQ(ResHandling::GetLanguageString(1), L"Dalje");
    Rs.LanguageId = L"0C0A";  // no table of that language: the locale's choice
    EXPECT_EQ(ResHandling::GetLanguageString(1), L"Weiter");
}

TEST_F(LocaleTest, DefaultLibraryForAnEmptyCodeAndAHiddenFile) {
    std::wstring hidden = TestDir() + L"HD.dll";
    ASSERT_TRUE(sys::CopyFile(TestDir() + L"XX.dll", hidden));
    ASSERT_TRUE(sys::SetFileAttributes(hidden, sys::kAttrHidden));
    for (const wchar_t* code : {L"", L"HD"}) {
        sys::DeleteFile(L"C:\\gprs_log.txt");
        sys::FreeLibrary(Rs.LanguageLibrary);
        Rs.LanguageLibrary = 0;
        Rs.LanguageCode = code;
        ResHandling::LoadLanguageLibrary();
        EXPECT_NE(Rs.LanguageLibrary, 0u);
        EXPECT_EQ(Log().substr(0, 30), "default language file loaded.\t") << sys::ToAnsi(code);
        EXPECT_EQ(ResHandling::GetLanguageString(1), L"Next");
    }
    sys::SetFileAttributes(hidden, sys::kAttrNormal);
    sys::DeleteFile(hidden);
}

TEST_F(LocaleTest, PlaceholdersWithTheUsersDecimalSeparator) {
    Rs.LanguageCode = L"EN";
    ResHandling::LoadLanguageLibrary();
    ASSERT_NE(Rs.LanguageLibrary, 0u);
    Rs.FreeDiskSpace = 40000000;
    Rs.RequiredDiskSpace = 52428800;
    Rs.ProductName = L"Valmor GPRS";
    Rs.WindowsDrive = L"C:";
    std::wstring sep = sys::DecimalSeparator();
    if (German()) {
        EXPECT_EQ(sep, L",");
    }
    EXPECT_EQ(ResHandling::GetLanguageString(109), L"Free 38" + sep + L"14697265625 MB, required 50 MB.");
    EXPECT_EQ(ResHandling::GetLanguageString(110), L"Valmor GPRS on C:\r\nline two");
}

}  // namespace
