// The High Contrast paint beside the usual one, on page 2 with infrared
// unavailable (the walk photographs it with both options usable).
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "choice/CreateIRDAChoice.h"
#include "core/frmMain.h"
#include "fakes/FakeUi.h"

namespace {

TEST(HighContrastTest, FacesAndButtonsAreDrawnAsTheSystemDrawsItsOwnAndNoPicture) {
    testsupport::FreshWorld();
    fake::W().modules[0x5000].strings = {{1, L"Next"}, {2010, L"How?"}, {2011, L"Cable"}, {2012, L"Infrared"}};
    Rs.LanguageLibrary = 0x5000;
    Rs.CurrentForm = &frmMain::Instance();
    ui::Form& f = frmMain::Instance();
    f.Load();
    CreateIRDAChoice::BuildIRDAChoice();
    auto painted = [](const std::vector<std::wstring>& log, const std::wstring& start) {
        return std::any_of(log.begin(), log.end(), [&](const std::wstring& l) { return l.rfind(start, 0) == 0; });
    };
    auto at = [&](const wchar_t* name) {
        ui::Rect r = f.Item(name).FormRect();
        return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
               std::to_wstring(r.bottom);
    };
    std::vector<std::wstring> usual = fake::PaintLog(f);
    fake::Ui().highContrast = true;
    std::vector<std::wstring> log = fake::PaintLog(f);
    EXPECT_TRUE(painted(usual, L"picture ") && !painted(log, L"picture "));
    EXPECT_TRUE(painted(log, L"radio " + at(L"optNoIRDA") + L" checked"));
    EXPECT_TRUE(painted(log, L"radio " + at(L"optIRDA") + L" disabled"));
    EXPECT_TRUE(painted(log, L"button " + at(L"Forward")));
    EXPECT_TRUE(painted(log, L"fill 0,0,1024,768 sys5") && painted(log, L"text "));
    for (const std::wstring& line : log) {
        if (line.rfind(L"text ", 0) == 0) {
            EXPECT_NE(line.find(L" sys"), std::wstring::npos) << line;
        }
    }
    EXPECT_FALSE(
        std::any_of(usual.begin(), usual.end(), [](const std::wstring& l) { return l.find(L"sys") != l.npos; }));
}

}  // namespace
