// What the windows tell a screen reader where the accessibility walk does not
// go: a stopping message and the installer's page.
#include <gtest/gtest.h>

#include "TestSupport.h"
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

}  // namespace
