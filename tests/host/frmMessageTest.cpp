// The message dialog: both layouts, its captions and place, and the answers:
// a stop ends the run whichever way it is left, a question hands back Repeat
// or Cancel.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/frmMain.h"
#include "dialogs/frmMessage.h"
#include "fakes/FakeUi.h"

namespace {

constexpr sys::Handle kLibrary = 0x5000;

class frmMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        fake::W().modules[kLibrary].strings = {
            {2, L"Cancel"}, {5, L"Close"}, {8, L"Retry"}, {104, L"No phone found."}, {106, L"kundel needs rights."}};
        Rs.LanguageLibrary = kLibrary;
        Rs.ProductName = L"Valmor GPRS";
        Rs.VersionText = L"Ver.: 4.1.1.0";
    }
    ui::Form& Dialog() { return frmMessage::Instance(); }
    ui::Control& Item(const wchar_t* name) { return Dialog().Item(name); }
    void Open(int16_t id, int16_t buttons) {
        Rs.MessageId = id;
        Rs.MessageButtons = buttons;
        Dialog().Load();
    }
    // Shows the dialog modally; action is what the user does in it.
    void ShowAnd(int16_t id, int16_t buttons, std::function<void()> action) {
        Rs.MessageId = id;
        Rs.MessageButtons = buttons;
        fake::Script(std::move(action));
        frmMessage::ShowModal();
    }
};

TEST_F(frmMessageTest, AStopShowsOneCentredOk) {
    Open(106, 0);
    EXPECT_TRUE(Item(L"Ok").Visible());
    EXPECT_TRUE(Item(L"lblOk").Visible());
    EXPECT_FALSE(Item(L"Cancel").Visible());
    EXPECT_FALSE(Item(L"Repeat").Visible());
    EXPECT_EQ(Item(L"Ok").Left(), 182);  // (460 - 96) / 2
    EXPECT_EQ(Item(L"lblOk").Left(), 182);
    EXPECT_EQ(Item(L"Ok").Top(), 340);
    EXPECT_EQ(Item(L"lblOk").Top(), 345);
    EXPECT_EQ(Item(L"lblOk").Caption(), L"Close");
    EXPECT_EQ(Item(L"Label").Caption(), L"Valmor GPRS needs rights.");
    EXPECT_EQ(Item(L"Ok").Picture(), 120);
}

TEST_F(frmMessageTest, AQuestionCentresRepeatAndCancelWithAGap) {
    Open(104, 5);
    EXPECT_FALSE(Item(L"Ok").Visible());
    for (const wchar_t* name : {L"Repeat", L"lblRepeat", L"Cancel", L"lblCancel"}) EXPECT_TRUE(Item(name).Visible());
    EXPECT_EQ(Item(L"Repeat").Left(), 129);  // (460 - (96 + 96 + 10)) / 2
    EXPECT_EQ(Item(L"lblRepeat").Left(), 129);
    EXPECT_EQ(Item(L"Cancel").Left(), 235);
    EXPECT_EQ(Item(L"lblCancel").Left(), 235);
    EXPECT_EQ(Item(L"lblRepeat").Top(), 344);
    EXPECT_EQ(Item(L"lblRepeat").Caption(), L"Retry");
    EXPECT_EQ(Item(L"lblCancel").Caption(), L"Cancel");
    EXPECT_EQ(Item(L"lblRepeat").TabIndex(), 0);
    EXPECT_EQ(Item(L"DefaultButton").TabIndex(), 1);
    EXPECT_EQ(Item(L"lblCancel").TabIndex(), 2);
    EXPECT_EQ(Item(L"CancelButton").TabIndex(), 3);
}

TEST_F(frmMessageTest, WithoutALanguageLibraryOkIsTheProgramsOwn) {
    Open(9999, 0);
    EXPECT_EQ(Item(L"lblOk").Caption(), L"&OK");
    EXPECT_EQ(Item(L"Label").Caption().rfind(L"This version of Valmor GPRS Quelnet", 0), 0u);
}

TEST_F(frmMessageTest, TheDialogFillsThePageAreaTopmostWithProxiesOutOfSight) {
    frmMain::Instance().Load();
    Open(106, 0);
    EXPECT_EQ(Dialog().Left(), 308);
    EXPECT_EQ(Dialog().Top(), 191);
    EXPECT_EQ(Dialog().ScaleWidth(), 460);
    EXPECT_EQ(Dialog().ScaleHeight(), 447);
    EXPECT_EQ(Item(L"Image1").Width(), 460);
    EXPECT_EQ(Item(L"Image1").Picture(), 101);
    EXPECT_EQ(Dialog().Children().front(), &Item(L"Image1"));
    EXPECT_EQ(Item(L"DefaultButton").Top(), -10000);
    EXPECT_EQ(Item(L"CancelButton").Top(), -10000);
    EXPECT_EQ(Item(L"Version").Left() + Item(L"Version").Width(), 459);
    EXPECT_TRUE(fake::WindowTopMost(Dialog().HandleIfLoaded()));
}

TEST_F(frmMessageTest, BeforeTheMainWindowTheDialogIsCentredOnTheScreen) {
    Open(9999, 0);
    EXPECT_FALSE(frmMain::Instance().IsLoaded());
    EXPECT_EQ(Dialog().Left(), 282);  // (1024 - 460) / 2
    EXPECT_EQ(Dialog().Top(), 160);   // (768 - 447) / 2
}

TEST_F(frmMessageTest, EnterAnswersRepeatAndEscCancel) {
    ShowAnd(104, 5, [this] { fake::Key(Dialog(), ui::kKeyReturn); });
    EXPECT_TRUE(Rs.MessageRepeat);
    EXPECT_EQ(Rs.MessageButtons, 0);
    EXPECT_FALSE(Dialog().IsLoaded());

    ShowAnd(104, 5, [this] { fake::Key(Dialog(), ui::kKeyEscape); });
    EXPECT_FALSE(Rs.MessageRepeat);
    EXPECT_EQ(Rs.MessageButtons, 0);
    EXPECT_FALSE(Dialog().IsLoaded());
}

TEST_F(frmMessageTest, ThePictureButtonsAnswerLikeTheKeys) {
    ShowAnd(104, 5, [this] { fake::Click(Item(L"lblRepeat")); });
    EXPECT_TRUE(Rs.MessageRepeat);
    ShowAnd(104, 5, [this] { fake::Click(Item(L"Cancel")); });
    EXPECT_FALSE(Rs.MessageRepeat);
    ShowAnd(104, 5, [this] { fake::Click(Item(L"Repeat")); });
    EXPECT_TRUE(Rs.MessageRepeat);
    EXPECT_EQ(Rs.MessageButtons, 0);
}

TEST_F(frmMessageTest, ClosingAQuestionEndsTheRun) {
    EXPECT_THROW(ShowAnd(104, 5, [this] { fake::CloseByUser(Dialog()); }), fake::ProgramEnded);
}

TEST_F(frmMessageTest, EveryWayOutOfAStopEndsTheRun) {
    std::vector<std::function<void()>> ways = {
        [this] { fake::Click(Item(L"Ok")); },
        [this] { fake::Click(Item(L"lblOk")); },
        [this] { fake::Key(Dialog(), ui::kKeyReturn); },
        [this] { fake::Key(Dialog(), ui::kKeyEscape); },
        [this] { fake::CloseByUser(Dialog()); },
        [this] { fake::CloseByUser(Dialog(), ui::kUnloadAppWindows); },
        [] {},  // the message loop ends without an answer
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        SetUp();
        EXPECT_THROW(ShowAnd(106, 0, ways[i]), fake::ProgramEnded) << i;
    }
}

TEST_F(frmMessageTest, EachShowingReadsTheMessageAfresh) {
    ShowAnd(104, 5, [this] { fake::Key(Dialog(), ui::kKeyReturn); });
    Open(106, 0);
    EXPECT_EQ(Item(L"Label").Caption(), L"Valmor GPRS needs rights.");
    EXPECT_TRUE(Item(L"Ok").Visible());
    EXPECT_FALSE(Item(L"Repeat").Visible());
}

TEST_F(frmMessageTest, HoverOnTheDialogUsesItsOwnTimer) {
    Open(104, 5);
    Dialog().Show();
    fake::MouseMoveOver(Item(L"Repeat"));
    EXPECT_EQ(Item(L"Repeat").Picture(), 121);
    EXPECT_EQ(fake::TimerInterval(Item(L"Timer")), 50u);
    EXPECT_EQ(Rs.HoverLeft, static_cast<int32_t>(Dialog().Left()) + 129);
    EXPECT_EQ(Rs.HoverRight, static_cast<int32_t>(Dialog().Left()) + 129 + 96);
    fake::MouseMoveOver(Item(L"Label"));
    fake::Tick(Item(L"Timer"));
    EXPECT_EQ(Item(L"Repeat").Picture(), 120);
}

}  // namespace
