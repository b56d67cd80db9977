// What the windows tell a screen reader where the accessibility walk does not
// go (a stopping message, the installer's page, a disabled option), and the
// High Contrast paint beside the usual one.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "choice/CreateIRDAChoice.h"
#include "core/frmMain.h"
#include "dialogs/frmMessage.h"
#include "fakes/FakeUi.h"
#include "platform/progress.h"

namespace {

ui::AccessibleItem ItemOf(ui::Form& form, const wchar_t* name) {
    ui::AccessibleItem item;
    EXPECT_TRUE(form.AccessibleItemOf(&form.Item(name), &item)) << name;
    return item;
}

bool Painted(const std::vector<std::wstring>& log, const std::wstring& start) {
    return std::any_of(log.begin(), log.end(), [&](const std::wstring& l) { return l.rfind(start, 0) == 0; });
}

class AccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        fake::W().modules[0x5000].strings = {{1, L"Next"},    {5, L"&Close"},   {106, L"kundel needs\r\nrights."},
                                             {2010, L"How?"}, {2011, L"Cable"}, {2012, L"Infrared"}};
        Rs.LanguageLibrary = 0x5000;
        Rs.ProductName = L"Valmor GPRS";
    }
};

TEST_F(AccessibleTest, AStopIsAnAlertWhoseKeysBothShowTheirFocusOnOk) {
    Rs.MessageId = 106;
    ui::Form& f = frmMessage::Instance();
    f.Load();
    EXPECT_EQ(f.GetRole(), ui::Role::Alert);
    EXPECT_EQ(ItemOf(f, L"Label").name, L"Valmor GPRS needs rights.");
    ui::AccessibleItem ok = ItemOf(f, L"Ok");
    EXPECT_EQ(ok.name, L"Close");
    EXPECT_EQ(ok.state, ui::kAccFocusable | ui::kAccDefault);
    EXPECT_EQ(ItemOf(f, L"Cancel").state & ui::kAccInvisible, ui::kAccInvisible);
    EXPECT_EQ(fake::ChildOf(f.Item(L"DefaultButton"))->caption, L"&Close");  // what the system reads of it
    f.Item(L"CancelButton").SetFocus();
    EXPECT_EQ(f.AccessibleFocus(), &f.Item(L"Ok"));
}

TEST_F(AccessibleTest, TheInstallersProgressAndStatusAreAnnounced) {
    ui::Form& f = frmMain::Instance();
    f.Load();
    f.Item(L"Progressbar").SetVisible(true);
    f.Item(L"trglabel").SetVisible(true);
    fake::Ui().announced.clear();
    int16_t value = 42;
    progress::ShowProgress(f.Item(L"Progressbar"), value, 0, 100);
    f.Item(L"trglabel").SetCaption(L"Copying files");
    EXPECT_EQ(ItemOf(f, L"Progressbar").value, L"42 %");
    EXPECT_EQ(fake::Ui().announced, (std::vector<std::wstring>{L"ValueChange Progressbar", L"NameChange trglabel"}));
}

TEST_F(AccessibleTest, HighContrastDrawsFacesAndButtonsAsTheSystemDoesAndNoPicture) {
    Rs.IrDAPresent = false;
    Rs.CurrentForm = &frmMain::Instance();
    ui::Form& f = frmMain::Instance();
    f.Load();
    CreateIRDAChoice::BuildIRDAChoice();
    EXPECT_EQ(ItemOf(f, L"lblIRDA").state, ui::kAccUnavailable);
    auto at = [&](const wchar_t* name) {
        ui::Rect r = f.Item(name).FormRect();
        return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
               std::to_wstring(r.bottom);
    };
    std::vector<std::wstring> usual = fake::PaintLog(f);
    fake::Ui().highContrast = true;
    std::vector<std::wstring> log = fake::PaintLog(f);
    EXPECT_TRUE(Painted(usual, L"picture ") && !Painted(log, L"picture "));
    EXPECT_TRUE(Painted(log, L"radio " + at(L"optNoIRDA") + L" checked"));
    EXPECT_TRUE(Painted(log, L"radio " + at(L"optIRDA") + L" disabled"));
    EXPECT_TRUE(Painted(log, L"button " + at(L"Forward")));
    EXPECT_TRUE(Painted(log, L"text ") && Painted(log, L"fill 0,0,1024,768 sys5"));
    for (const std::wstring& line : log) {
        if (line.rfind(L"text ", 0) == 0) {
            EXPECT_NE(line.find(L" sys"), std::wstring::npos) << line;
        }
    }
    EXPECT_FALSE(
        std::any_of(usual.begin(), usual.end(), [](const std::wstring& l) { return l.find(L"sys") != l.npos; }));
}

}  // namespace
