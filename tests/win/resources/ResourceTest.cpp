// The resources of wizard.exe and of the language libraries (EN.dll, DE.dll, ZH.dll),
// read back through the same Win32 calls the wizard uses. Buffers and
// structures start filled with a marker: what a call wrote shows against it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/Dib.h"
#include "resource_ids.h"

namespace {

// WIZARD_DIR is the host path of the build's wizard directory; Wine shows the
// host root as drive Z:.
std::string WizardPath(const char* file) {
    std::string path = std::string("Z:") + WIZARD_DIR + "/" + file;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

struct Modules : ::testing::Test {
    static HMODULE exe, en, de;
    static void SetUpTestSuite() {
        exe = LoadLibraryExA(WizardPath("wizard.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        en = LoadLibraryA(WizardPath("EN.dll").c_str());
        de = LoadLibraryA(WizardPath("DE.dll").c_str());
    }
    static void TearDownTestSuite() {
        for (HMODULE m : {exe, en, de})
            if (m) FreeLibrary(m);
    }
    void SetUp() override {
        ASSERT_NE(exe, nullptr) << WizardPath("wizard.exe");
        ASSERT_NE(en, nullptr) << WizardPath("EN.dll");
        ASSERT_NE(de, nullptr) << WizardPath("DE.dll");
    }
};
HMODULE Modules::exe, Modules::en, Modules::de;

// A string of the table: the count without the NUL, which follows the text.
std::string Text(HMODULE module, UINT id) {
    char buffer[2048];
    std::memset(buffer, '#', sizeof buffer);
    int n = LoadStringA(module, id, buffer, sizeof buffer);
    if (n <= 0) return std::string();
    EXPECT_EQ(buffer[n], '\0') << "id " << id;
    if (n + 1 < static_cast<int>(sizeof buffer)) {
        EXPECT_EQ(buffer[n + 1], '#') << "id " << id;
    }
    return std::string(buffer, n);
}

std::wstring WideText(HMODULE module, UINT id) {
    wchar_t buffer[4096];
    for (wchar_t& c : buffer) c = L'#';
    int n = LoadStringW(module, id, buffer, 4096);
    if (n <= 0) return std::wstring();
    EXPECT_EQ(buffer[n], L'\0') << "id " << id;
    return std::wstring(buffer, n);
}

// A GDI object's description; GetObjectA answers with the bytes it wrote.
BITMAP Describe(HBITMAP bitmap) {
    BITMAP info;
    std::memset(&info, 0xdb, sizeof info);
    EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    return info;
}

// Every id the wizard looks up in a language library, and the status texts
// of the installation program.
std::vector<UINT> CatalogueIds() {
    std::vector<UINT> ids = {1,    2,    3,    4,    5,    8,    101,  102,  103,  104,  105,  106,
                             107,  108,  109,  110,  114,  115,  116,  2000, 2001, 2002, 2003, 2004,
                             2005, 2006, 2007, 2010, 2011, 2012, 2020, 2021, 2022, 2030};
    for (UINT id = 2100; id <= 2115; ++id) ids.push_back(id);
    return ids;
}

TEST_F(Modules, ConfigurationTableHoldsItsExactTexts) {
    const std::map<UINT, std::string> expected = {
        {5, "&OK"},
        {1000, "VLMGPRS"},
        {1001, "Valmor GPRS"},
        {1002, "Z72.EXE"},
        {1003, "72"},
        {1004, "GPRS via COM"},
        {1005, "valmor"},
        {1006, "618"},
        {1007, "4.72.3110.1"},
        {1008, "52428800"},
        {1009, "52428800"},
        {1010, "31457280"},
        {1011, "1"},
        {1012, "1"},
        {1013, "1"},
        {1014, "1"},
        {1015, "1"},
        {1016, "Ver.: 4.1.1.0"},
        {1017, "GPRS via IRDA"},
        {1018, "Z72 Modem (GPRS)"},
        {1019, "Z72GPRS"},
        {9999,
         "This version of kundel Quelnet is not working on flang Windows versions. \\n\\nPlease contact customer "
         "service."},
    };
    for (const auto& [id, text] : expected) EXPECT_EQ(Text(exe, id), text) << "id " << id;
}

TEST_F(Modules, NoLanguageMessageKeepsBackslashNForTheWizardToReplace) {
    std::string text = Text(exe, IDS_NO_LANGUAGE);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_NE(text.find("versions. \\n\\nPlease"), std::string::npos) << text;
}

TEST_F(Modules, ProgramHoldsNoLanguageTexts) {
    // Without a language library the wizard reads its own table: only 5 answers there.
    for (UINT id : CatalogueIds())
        if (id != IDS_OK_CAPTION) {
            EXPECT_EQ(Text(exe, id), "") << "id " << id;
        }
}

TEST_F(Modules, BothLanguagesHaveEveryCatalogueText) {
    for (HMODULE lib : {en, de}) {
        for (UINT id : CatalogueIds()) {
            std::wstring text = WideText(lib, id);
            EXPECT_FALSE(text.empty()) << (lib == en ? "EN" : "DE") << " id " << id;
            EXPECT_LT(text.size(), 2047u) << "id " << id;
            // Paragraph breaks are written as backslash n, never as raw line breaks.
            EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos) << "id " << id;
        }
        EXPECT_EQ(Text(lib, IDS_NO_LANGUAGE), "") << "9999 belongs to the program only";
    }
}

TEST_F(Modules, PlaceholdersWhereTheWizardFillsThem) {
    for (HMODULE lib : {en, de}) {
        const char* lang = lib == en ? "EN" : "DE";
        for (UINT id : {109u, 110u}) {
            std::string text = Text(lib, id);
            for (const char* ph : {"%d", "%r", "%w"})
                EXPECT_NE(text.find(ph), std::string::npos) << lang << " " << id << " lacks " << ph;
        }
        EXPECT_NE(Text(lib, 2007).find("(%s)"), std::string::npos) << lang;
        EXPECT_NE(Text(lib, 2000).find("kundel"), std::string::npos) << lang;
        EXPECT_NE(Text(lib, 2000).find("\\n\\n"), std::string::npos) << lang;
        // No text may carry the placeholder of the page sequence's attempt number by accident.
        for (UINT id : CatalogueIds())
            if (id != 2007) {
                EXPECT_EQ(Text(lib, id).find("(%s)"), std::string::npos) << lang << " " << id;
            }
    }
}

TEST_F(Modules, ShortTextsFitTheirPlaces) {
    for (HMODULE lib : {en, de}) {
        const char* lang = lib == en ? "EN" : "DE";
        for (UINT id = 1; id <= 8; ++id)  // a 96-pixel button
            EXPECT_LE(WideText(lib, id).size(), 16u) << lang << " " << id;
        for (UINT id : {2011u, 2012u, 2021u, 2022u})  // one line beside an option face
            EXPECT_LE(WideText(lib, id).size(), 55u) << lang << " " << id;
        for (UINT id = 2100; id <= 2115; ++id)  // the one-line status text
            EXPECT_LE(WideText(lib, id).size(), 60u) << lang << " " << id;
    }
}

TEST_F(Modules, CaptionsInBothLanguages) {
    EXPECT_EQ(Text(en, 1), "Next");
    EXPECT_EQ(Text(en, 5), "OK");
    EXPECT_EQ(Text(de, 1), "Weiter");
    EXPECT_EQ(Text(de, 2), "Abbrechen");
    EXPECT_EQ(Text(de, 8), "Wiederholen");
}

TEST_F(Modules, GermanTextsAreCodePage1252) {
    ASSERT_EQ(GetACP(), 1252u) << "the checks below read ANSI text";
    EXPECT_EQ(Text(de, 3),
              "Zur\xFC"
              "ck");
    EXPECT_EQ(WideText(de, 3), L"Zur\u00FCck");
    // German quotation marks and the ellipsis lie in 0x80-0x9F, where 1252 differs from Latin-1.
    EXPECT_NE(Text(de, 2003).find("\x84"
                                  "Fertig stellen\x93"),
              std::string::npos);
    EXPECT_NE(WideText(de, 2100).find(L"\u2026"), std::wstring::npos);
    EXPECT_NE(Text(de, 2100).find('\x85'), std::string::npos);
    EXPECT_NE(Text(de, 2000).find("schlie\xDF"
                                  "en"),
              std::string::npos);
}

// The translation the version resource of a library names.
DWORD Translation(const std::string& path) {
    DWORD handle = 0xdeadbeef;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    EXPECT_EQ(handle, 0u) << "set to 0 on every system";
    if (size == 0) return 0;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return 0;
    WORD* pair = nullptr;
    UINT length = 0xdeadbeef;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pair), &length) ||
        length < 4)
        return 0;
    return MAKELONG(pair[1], pair[0]);
}

TEST(LanguageLibraries, VersionResourceNamesTheirTranslation) {
    EXPECT_EQ(Translation(WizardPath("EN.dll")), 0x040904E4u);
    EXPECT_EQ(Translation(WizardPath("DE.dll")), 0x040704E4u);
    EXPECT_EQ(Translation(WizardPath("ZH.dll")), 0x080403A8u) << "Simplified first";
}

// The Version tab of the shipped files (the build makes ktmodem.dll beside wizard's directory).
TEST(ShippedFiles, VersionResourceGivesTheProductVersion) {
    for (const std::string& path : {WizardPath("wizard.exe"), WizardPath("..\\ktmodem\\ktmodem.dll")}) {
        std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), nullptr) + 1);
        char* text = nullptr;
        UINT length = 0;
        GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data());
        VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&text),
                       &length);
        EXPECT_STREQ(text, "4.1.1.0") << path;
    }
}

// The text of id in the string table of exactly one resource language.
std::wstring TableText(HMODULE module, UINT id, WORD language) {
    HRSRC block = FindResourceExW(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(id / 16 + 1), language);
    if (!block) return std::wstring();
    auto* p = static_cast<const WCHAR*>(LockResource(LoadResource(module, block)));
    for (UINT i = 0; i < id % 16; ++i) p += 1 + *p;
    return std::wstring(p + 1, *p);
}

// ZH.dll holds a Simplified (0804, code page 936) and a Traditional (0404,
// 950) table; LoadString takes the one of the thread's locale. On NT that is
// the user's locale, so each Chinese Windows finds its own script; Windows
// 9x has no thread locale and takes the system default locale's language,
// which on a Chinese 9x is that of its script as well.
TEST(LanguageLibraries, ChineseLibraryServesEachScriptItsOwnTable) {
    HMODULE zh = LoadLibraryA(WizardPath("ZH.dll").c_str());
    ASSERT_NE(zh, nullptr);
    const std::wstring simplified = TableText(zh, 2010, 0x0804), traditional = TableText(zh, 2010, 0x0404);
    EXPECT_NE(simplified.find(L"\u624B\u673A"), std::wstring::npos) << "shou ji, Simplified";
    EXPECT_NE(traditional.find(L"\u624B\u6A5F"), std::wstring::npos) << "shou ji, Traditional";
    LCID before = GetThreadLocale();
    for (LCID locale : {0x0804u, 0x0404u}) {
        ASSERT_TRUE(SetThreadLocale(locale));
        EXPECT_EQ(WideText(zh, 2010), locale == 0x0804 ? simplified : traditional) << std::hex << locale;
    }
    SetThreadLocale(before);
    FreeLibrary(zh);
}

// --- Pictures -----------------------------------------------------------------

struct Picture {
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
    BITMAP info = {};
    Picture(HMODULE module, int id) {
        bitmap =
            static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!bitmap) return;
        info = Describe(bitmap);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
    }
    ~Picture() {
        if (dc) {
            SelectObject(dc, old);
            DeleteDC(dc);
        }
        if (bitmap) DeleteObject(bitmap);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    // Perceived brightness 0..255.
    int Luma(int x, int y) const {
        COLORREF c = At(x, y);
        return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
    }
};

TEST_F(Modules, BitmapsHaveTheirExactSizes) {
    const struct {
        int id, width, height;
    } sizes[] = {{IDB_PAGE, 460, 447},     {IDB_SCREEN, 800, 600},   {IDB_CLOSEAPP, 461, 447},
                 {IDB_BUTTON, 96, 23},     {IDB_BUTTON_LIT, 96, 23}, {IDB_OPTION_GREY, 14, 14},
                 {IDB_OPTION_OFF, 14, 14}, {IDB_OPTION_ON, 14, 14}};
    for (const auto& s : sizes) {
        HBITMAP bitmap = LoadBitmapA(exe, MAKEINTRESOURCEA(s.id));
        ASSERT_NE(bitmap, nullptr) << "bitmap " << s.id;
        BITMAP info = Describe(bitmap);
        EXPECT_EQ(info.bmWidth, s.width) << "bitmap " << s.id;
        EXPECT_EQ(info.bmHeight, s.height) << "bitmap " << s.id;
        DeleteObject(bitmap);
    }
}

TEST_F(Modules, OptionFacesAre8BitOnTheLightBlueSurround) {
    const COLORREF surround = RGB(166, 202, 240);
    Picture grey(exe, IDB_OPTION_GREY), off(exe, IDB_OPTION_OFF), on(exe, IDB_OPTION_ON);
    for (const Picture* p : {&grey, &off, &on}) {
        ASSERT_NE(p->bitmap, nullptr);
        EXPECT_EQ(p->info.bmBitsPixel, 8);
        for (int corner : {0, 13}) {
            EXPECT_EQ(p->At(corner, corner), surround);
            EXPECT_EQ(p->At(corner, 13 - corner), surround);
        }
    }
    // Grey face, white face, white face with a black dot.
    EXPECT_LT(grey.Luma(7, 3), 230);
    EXPECT_GT(grey.Luma(7, 3), 150);
    EXPECT_GT(off.Luma(7, 3), 235);
    EXPECT_GT(off.Luma(7, 7), 235);
    EXPECT_GT(on.Luma(7, 3), 235);
    EXPECT_LT(on.Luma(7, 7), 60);
    // The page body behind the options has the surround's colour, so the faces show no box.
    Picture page(exe, IDB_PAGE);
    for (int y = 112; y < 329; y += 9) EXPECT_EQ(page.At(30, y), surround) << "y " << y;
}

TEST_F(Modules, ButtonCornersMatchThePanelBehindThem) {
    Picture page(exe, IDB_PAGE), closeApp(exe, IDB_CLOSEAPP), normal(exe, IDB_BUTTON), lit(exe, IDB_BUTTON_LIT);
    for (const Picture* b : {&normal, &lit}) {
        EXPECT_EQ(b->At(0, 0), page.At(132, 340));
        EXPECT_EQ(b->At(95, 22), page.At(327, 362));
        EXPECT_EQ(b->At(0, 22), closeApp.At(132, 382));
        EXPECT_EQ(b->At(95, 0), closeApp.At(327, 360));
    }
    // Lit is brighter than normal, and both are light enough for black captions.
    int normalSum = 0, litSum = 0;
    for (int x = 8; x < 88; x += 4)
        for (int y = 5; y < 18; y += 2) {
            normalSum += normal.Luma(x, y);
            litSum += lit.Luma(x, y);
            EXPECT_GT(normal.Luma(x, y), 170);
        }
    EXPECT_GT(litSum, normalSum);
}

TEST_F(Modules, PanelsAreLightWhereTextIsDrawn) {
    Picture page(exe, IDB_PAGE), closeApp(exe, IDB_CLOSEAPP);
    for (const Picture* p : {&page, &closeApp}) {
        for (int y = 112; y < 386; y += 7)  // page text, progress, status text, buttons
            for (int x = 24; x < 440; x += 13) EXPECT_GT(p->Luma(x, y), 150) << x << "," << y;
        for (int y = 5; y < 30; y += 3)  // version label, top right
            for (int x = 330; x < 455; x += 7) EXPECT_GT(p->Luma(x, y), 200) << x << "," << y;
    }
    // The screen background is dark around the page so the page stands out.
    Picture screen(exe, IDB_SCREEN);
    EXPECT_LT(screen.Luma(20, 20), 90);
    EXPECT_LT(screen.Luma(780, 580), 110);
}

// What a picture drawn into a 24-bit DIB section looks like: the bytes of
// its rows.
struct Canvas24 {
    int width, height;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Canvas24(int w, int h) : width(w), height(h) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old = SelectObject(dc, bitmap);
        std::memset(bits, 0xdb, Bytes());
    }
    ~Canvas24() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    size_t Bytes() const { return static_cast<size_t>((width * 3 + 3) & ~3) * height; }
    std::vector<unsigned char> Rows() const {
        GdiFlush();
        auto p = static_cast<const unsigned char*>(bits);
        return std::vector<unsigned char>(p, p + Bytes());
    }
};

// On a palette display the wizard draws its pictures from DIBs it decodes
// itself (StretchDIBits); elsewhere from LoadBitmap. Both must give the same
// picture, whole and (the top left part) cut, where the DIB's source rows
// count from the bottom.
TEST_F(Modules, DibsDrawAsTheirBitmapsDo) {
    for (int id : {IDB_PAGE, IDB_SCREEN, IDB_CLOSEAPP, IDB_BUTTON, IDB_BUTTON_LIT, IDB_OPTION_GREY, IDB_OPTION_OFF,
                   IDB_OPTION_ON}) {
        win32::Dib dib;
        ASSERT_TRUE(win32::LoadDib(exe, id, &dib)) << "bitmap " << id;
        HBITMAP bitmap = LoadBitmapA(exe, MAKEINTRESOURCEA(id));
        BITMAP info = Describe(bitmap);
        ASSERT_EQ(dib.Width(), info.bmWidth);
        ASSERT_EQ(dib.Height(), info.bmHeight);
        HDC source = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(source, bitmap);
        for (int part : {1, 2}) {
            int w = dib.Width() / part, h = dib.Height() / part;
            Canvas24 fromBitmap(w, h), fromDib(w, h);
            BitBlt(fromBitmap.dc, 0, 0, w, h, source, 0, 0, SRCCOPY);
            // The count of rows it answers differs between systems; 0 is failure.
            EXPECT_GT(StretchDIBits(fromDib.dc, 0, 0, w, h, 0, dib.Height() - h, w, h, dib.bits.data(), dib.Info(),
                                    DIB_RGB_COLORS, SRCCOPY),
                      0);
            EXPECT_TRUE(fromBitmap.Rows() == fromDib.Rows()) << "bitmap " << id << ", 1/" << part;
        }
        SelectObject(source, old);
        DeleteDC(source);
        DeleteObject(bitmap);
    }
    // Runs past the row or the rows, and data without its end, are refused.
    unsigned char bits[8];
    const unsigned char tooLong[] = {5, 1, 0, 1}, tooMany[] = {4, 1, 0, 0, 4, 1, 0, 0, 4, 1, 0, 1},
                        cut[] = {0, 4, 1, 2}, whole[] = {4, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1};
    EXPECT_FALSE(win32::DecodeRle8(tooLong, sizeof tooLong, 4, 2, 4, bits));
    EXPECT_FALSE(win32::DecodeRle8(tooMany, sizeof tooMany, 4, 2, 4, bits));
    EXPECT_FALSE(win32::DecodeRle8(cut, sizeof cut, 4, 2, 4, bits));
    EXPECT_FALSE(win32::DecodeRle8(whole, 4, 4, 2, 4, bits));  // its second row missing
    ASSERT_TRUE(win32::DecodeRle8(whole, sizeof whole, 4, 2, 4, bits));
    EXPECT_EQ(std::vector<unsigned char>(bits, bits + 8), (std::vector<unsigned char>{7, 7, 7, 7, 1, 2, 3, 0}));
}

// The palette realized on 256-colour displays: at most the 236 colours
// Windows leaves free, the program's drawing colours among them, and every
// colour of every picture close to one of them.
TEST_F(Modules, PaletteCoversThePictures) {
    size_t size = 0;
    const unsigned char* rgb = win32::ResourceBytes(exe, "PALETTE", MAKEINTRESOURCEA(10), &size);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(size % 3, 0u);
    EXPECT_LE(size / 3, 236u);
    std::vector<COLORREF> palette;
    for (size_t i = 0; i + 2 < size; i += 3) palette.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
    auto has = [&](COLORREF c) { return std::find(palette.begin(), palette.end(), c) != palette.end(); };
    EXPECT_TRUE(has(RGB(16, 32, 64)));    // page texts
    EXPECT_TRUE(has(RGB(96, 104, 120)));  // version
    EXPECT_TRUE(has(RGB(6, 154, 154)));   // progress bar
    int worst = 0;
    for (int id : {IDB_PAGE, IDB_SCREEN, IDB_CLOSEAPP, IDB_BUTTON, IDB_BUTTON_LIT, IDB_OPTION_GREY, IDB_OPTION_OFF,
                   IDB_OPTION_ON}) {
        win32::Dib dib;
        ASSERT_TRUE(win32::LoadDib(exe, id, &dib));
        const RGBQUAD* table = dib.Info()->bmiColors;
        for (DWORD i = 0; i < dib.Info()->bmiHeader.biClrUsed; ++i) {
            int best = 1 << 30;
            for (COLORREF p : palette) {
                int d = std::abs(GetRValue(p) - table[i].rgbRed) + std::abs(GetGValue(p) - table[i].rgbGreen) +
                        std::abs(GetBValue(p) - table[i].rgbBlue);
                best = std::min(best, d);
            }
            worst = std::max(worst, best);
        }
    }
    EXPECT_LE(worst, 48) << "a picture colour far from every palette entry";
}

TEST_F(Modules, PointerIsA32By32CursorWithItsHotspotOnTheFingertip) {
    HCURSOR cursor = static_cast<HCURSOR>(LoadImageA(exe, MAKEINTRESOURCEA(IDC_POINTER), IMAGE_CURSOR, 0, 0, 0));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info;
    std::memset(&info, 0xdb, sizeof info);
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    // A monochrome cursor has no colour bitmap and a mask of twice the height
    // (AND over XOR); a colour one has both at the cursor's size.
    BITMAP mask = Describe(info.hbmMask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
    EXPECT_NE(LoadCursorA(exe, MAKEINTRESOURCEA(IDC_POINTER)), nullptr);
}

TEST_F(Modules, ProgramIcon) { EXPECT_NE(LoadIconA(exe, MAKEINTRESOURCEA(IDI_WIZARD)), nullptr); }

}  // namespace
