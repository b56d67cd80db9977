// The main window: its layout on a 1024 x 768 screen, the hover effect of the
// picture buttons, the minimise gesture and the close handling.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/frmMain.h"
#include "fakes/FakeUi.h"
#include "platform/progress.h"
#include "platform/sys/Ui.h"

namespace {

constexpr sys::Handle kLibrary = 0x5000;

class frmMainTest : public ::testing::Test {
protected:
    void SetUp() override { Start(1024, 768); }
    void Start(int screenWidth, int screenHeight) {
        testsupport::FreshWorld();
        fake::Ui().screenWidth = screenWidth;
        fake::Ui().screenHeight = screenHeight;
        fake::W().modules[kLibrary].strings = {{1, L"Next"}, {2, L"Cancel"}, {4, L"Finish"}};
        Rs.LanguageLibrary = kLibrary;
        Rs.VersionText = L"Ver.: 4.1.1.0 / 7";
        Rs.CurrentForm = &Main();
        Main().Load();
    }
    ui::Form& Main() { return frmMain::Instance(); }
    ui::Control& Item(const wchar_t* name) { return Main().Item(name); }
    void ExpectBounds(const wchar_t* name, float left, float top, float width, float height) {
        ui::Control& c = Item(name);
        EXPECT_EQ(c.Left(), left) << name;
        EXPECT_EQ(c.Top(), top) << name;
        EXPECT_EQ(c.Width(), width) << name;
        EXPECT_EQ(c.Height(), height) << name;
    }
    void CursorAt(int32_t x, int32_t y) {
        fake::Ui().cursorX = x;
        fake::Ui().cursorY = y;
    }
};

TEST_F(frmMainTest, LoadPlacesEveryControlOnA1024By768Screen) {
    EXPECT_EQ(Main().Caption(), L"Wizard");
    EXPECT_EQ(Main().ScaleWidth(), 1024);
    EXPECT_EQ(Main().ScaleHeight(), 768);
    EXPECT_EQ(Main().BackColor(), ui::kBlack);
    ExpectBounds(L"imgFullscreen", 112, 84, 800, 600);
    EXPECT_EQ(Item(L"imgFullscreen").Picture(), 102);
    ExpectBounds(L"picPage", 308, 191, 460, 447);
    ExpectBounds(L"Image1", 0, 0, 460, 447);
    EXPECT_EQ(Item(L"Image1").Picture(), 101);
    EXPECT_TRUE(Item(L"Image1").Stretch());
    EXPECT_EQ(Item(L"picPage").Children().front(), &Item(L"Image1"));
    ExpectBounds(L"Label", 30, 112, 409, 217);
    EXPECT_EQ(Item(L"Label").GetFont().name, L"MS Sans Serif");
    EXPECT_EQ(Item(L"Label").GetFont().size, 9.75f);
    ExpectBounds(L"Progressbar", 30, 328, 409, 25);
    ExpectBounds(L"trglabel", 24, 360, 393, 25);
    EXPECT_EQ(Item(L"trglabel").Caption(), L".");
    ExpectBounds(L"Cancel", 132, 340, 96, 23);
    ExpectBounds(L"Finish", 182, 340, 96, 23);
    ExpectBounds(L"Forward", 232, 340, 96, 23);
    ExpectBounds(L"lblCancel", 132, 344, 96, 18);
    ExpectBounds(L"lblFinish", 182, 345, 96, 18);
    ExpectBounds(L"lblForward", 232, 345, 96, 18);
    for (const wchar_t* name : {L"Cancel", L"Finish", L"Forward"}) EXPECT_EQ(Item(name).Picture(), 120) << name;
    ExpectBounds(L"DebugImg", 0, 0, 33, 113);
    EXPECT_EQ(Item(L"DebugImg").Picture(), 0);
    // The version text ends inside the frame of the page area's last column.
    ui::Control& version = Item(L"Version");
    EXPECT_EQ(version.Caption(), Rs.VersionText);
    EXPECT_EQ(version.Top(), 5);
    EXPECT_GT(version.Width(), 0);
    EXPECT_EQ(version.Left() + version.Width(), 459);
    EXPECT_EQ(version.Container(), &Item(L"picPage"));
}

// GDI on Windows 95, 98 and ME wraps coordinates past 32767: every rectangle
// of the paint, the boxes of the texts among them, stays within 16 bits.
TEST_F(frmMainTest, PaintStaysWithinSixteenBitsOnA1600By1200Screen) {
    Start(1600, 1200);
    Item(L"Label").SetCaption(L"Page text\r\nin two lines");
    int16_t value = 50;
    progress::ShowProgress(Item(L"Progressbar"), value, 0, 100);
    int extent = fake::PaintExtent(Main());
    EXPECT_GE(extent, 1600) << "the form's own fill";
    EXPECT_LE(extent, 32767);
}

TEST_F(frmMainTest, LoadShowsTheWindowTopmostAndSetsTheCaptions) {
    EXPECT_TRUE(fake::WindowVisible(Main()));
    EXPECT_TRUE(fake::WindowTopMost(Main().HandleIfLoaded()));
    EXPECT_EQ(testsupport::LogMessages().back(), L"frmain after topmost");
    EXPECT_EQ(Item(L"lblForward").Caption(), L"Next");
    EXPECT_EQ(Item(L"lblCancel").Caption(), L"Cancel");
    EXPECT_EQ(Item(L"lblFinish").Caption(), L"Finish");
    EXPECT_EQ(Item(L"lblForward").GetFont().name, L"Arial");
}

TEST_F(frmMainTest, ProxiesAndTimersAtCreation) {
    for (const wchar_t* name : {L"ForwardButton", L"FinishButton", L"CancelButton"})
        EXPECT_EQ(Item(name).Left(), -10000) << name;
    EXPECT_TRUE(Item(L"ForwardButton").Default());
    EXPECT_TRUE(Item(L"CancelButton").Cancel());
    EXPECT_FALSE(Item(L"FinishButton").Enabled());
    struct {
        const wchar_t* name;
        uint32_t ms;
    } timers[] = {{L"Timer", 100}, {L"dummyTimer", 2000}, {L"InstallTimer", 2000}, {L"IrDATimer", 500}};
    for (const auto& t : timers) {
        EXPECT_EQ(Item(t.name).Interval(), t.ms) << t.name;
        EXPECT_FALSE(fake::TimerRunning(Item(t.name))) << t.name;
    }
    EXPECT_EQ(Item(L"Forward").MousePointer(), ui::kPointerCustom);
    EXPECT_EQ(Item(L"lblCancel").MousePointer(), ui::kPointerCustom);
    EXPECT_NE(Main().MouseIcon(), 0);
}

TEST_F(frmMainTest, HoverLightsTheButtonAndHoldsItsScreenRectangle) {
    fake::MouseMoveOver(Item(L"Forward"));
    EXPECT_EQ(Item(L"Forward").Picture(), 121);
    EXPECT_EQ(fake::TimerInterval(Item(L"Timer")), 100u);
    EXPECT_EQ(Rs.HoverImage, &Item(L"Forward"));
    EXPECT_EQ(Rs.HoverLeft, 308 + 232);
    EXPECT_EQ(Rs.HoverTop, 191 + 340);
    EXPECT_EQ(Rs.HoverRight, 308 + 232 + 96);
    EXPECT_EQ(Rs.HoverBottom, 191 + 340 + 23);
}

TEST_F(frmMainTest, TheBorderCountsAsInsideAndLeavingRestoresTheFace) {
    fake::MouseMoveOver(Item(L"Forward"));
    for (auto corner : {std::make_pair(Rs.HoverLeft, Rs.HoverTop), std::make_pair(Rs.HoverRight, Rs.HoverBottom)}) {
        CursorAt(corner.first, corner.second);
        fake::Tick(Item(L"Timer"));
        EXPECT_EQ(Item(L"Forward").Picture(), 121);
        EXPECT_TRUE(fake::TimerRunning(Item(L"Timer")));
    }
    CursorAt(Rs.HoverRight + 1, Rs.HoverBottom);
    fake::Tick(Item(L"Timer"));
    EXPECT_EQ(Item(L"Forward").Picture(), 120);
    EXPECT_FALSE(fake::TimerRunning(Item(L"Timer")));
}

TEST_F(frmMainTest, TheNextButtonLightsOnlyAfterTheFirstIsRestored) {
    fake::MouseMoveOver(Item(L"Forward"));
    fake::MouseMoveOver(Item(L"Cancel"));  // while the timer still runs
    EXPECT_EQ(Item(L"Cancel").Picture(), 120);
    EXPECT_EQ(Rs.HoverImage, &Item(L"Forward"));
    fake::Tick(Item(L"Timer"));  // the cursor is over Cancel now
    EXPECT_EQ(Item(L"Forward").Picture(), 120);
    fake::MouseMoveOver(Item(L"lblCancel"));  // a caption stands for its image
    EXPECT_EQ(Item(L"Cancel").Picture(), 121);
    EXPECT_EQ(Rs.HoverImage, &Item(L"Cancel"));
}

TEST_F(frmMainTest, APressStopsTheHoverWatchAndKeepsTheFace) {
    fake::MouseMoveOver(Item(L"Forward"));
    Rs.CurrentPage = 0;  // no page: Forward has nothing to do
    fake::Click(Item(L"Forward"));
    EXPECT_FALSE(fake::TimerRunning(Item(L"Timer")));
    EXPECT_EQ(Item(L"Forward").Picture(), 121);
}

TEST_F(frmMainTest, RightClickWithShiftOnTheCornerMinimises) {
    size_t before = fake::Ui().setWindowPos.size();
    fake::MouseDown(Item(L"DebugImg"), ui::kRightButton, ui::kShiftMask | ui::kCtrlMask);
    fake::MouseUp(Item(L"DebugImg"), ui::kRightButton);
    fake::MouseDown(Item(L"DebugImg"), ui::kLeftButton, ui::kShiftMask);
    fake::MouseUp(Item(L"DebugImg"), ui::kLeftButton);
    fake::MouseDown(Item(L"DebugImg"), ui::kRightButton, 0);
    fake::MouseUp(Item(L"DebugImg"), ui::kRightButton);
    EXPECT_EQ(fake::Ui().setWindowPos.size(), before);
    EXPECT_EQ(Main().WindowState(), ui::kStateNormal);

    fake::MouseDown(Item(L"DebugImg"), ui::kRightButton, ui::kShiftMask);
    ASSERT_EQ(fake::Ui().setWindowPos.size(), before + 1);
    const fake::SetWindowPosCall& c = fake::Ui().setWindowPos.back();
    EXPECT_EQ(c.window, Main().HandleIfLoaded());
    EXPECT_EQ(c.insertAfter, sys::kHwndTopMost);
    EXPECT_EQ(c.x + c.y + c.width + c.height, 0);
    EXPECT_EQ(c.flags, 0u);
    EXPECT_EQ(Main().WindowState(), ui::kStateMinimized);
}

TEST_F(frmMainTest, OnlyTheProgramClosesTheWindowQuietly) {
    for (int mode : {ui::kUnloadControlMenu, ui::kUnloadAppWindows, ui::kUnloadTaskManager}) {
        EXPECT_THROW(fake::CloseByUser(Main(), mode), fake::ProgramEnded) << mode;
        // The abort has unloaded the window on its way out.
        EXPECT_FALSE(Main().IsLoaded()) << mode;
        Main().Load();
    }
    EXPECT_TRUE(Main().Unload());
    EXPECT_FALSE(Main().IsLoaded());
}

TEST_F(frmMainTest, AClickOnThePortListOffersForward) {
    Item(L"Forward").SetVisible(false);
    Item(L"lblForward").SetVisible(false);
    Item(L"ForwardButton").SetEnabled(false);
    ui::Control* list = Main().Add(ui::Kind::ListBox, L"LSTCOM", &Item(L"picPage"));
    ASSERT_NE(list, nullptr);
    frmMain::AttachEvents(*list);
    list->AddItem(L"COM1");
    fake::SelectListEntry(*list, 0);
    EXPECT_TRUE(Item(L"Forward").Visible());
    EXPECT_TRUE(Item(L"lblForward").Visible());
    EXPECT_TRUE(Item(L"ForwardButton").Enabled());
}

TEST_F(frmMainTest, ThePageAreaIsKnownOnlyWhileLoaded) {
    int32_t x = 0, y = 0;
    ASSERT_TRUE(frmMain::PageAreaOnScreen(&x, &y));
    EXPECT_EQ(x, 308);
    EXPECT_EQ(y, 191);
    Main().Unload();
    EXPECT_FALSE(frmMain::PageAreaOnScreen(&x, &y));
    EXPECT_FALSE(Main().IsLoaded());
}

}  // namespace
