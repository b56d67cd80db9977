// Page 1, the cancel query and the page-sequence presses behind them: what
// each key, click and close does, and where the run goes on or ends.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/Clicks.h"
#include "core/FormHandling.h"
#include "core/frmMain.h"
#include "dialogs/frmCloseApp.h"
#include "dialogs/frmMessage.h"
#include "dialogs/frmQueryCancel.h"
#include "fakes/FakeUi.h"
#include "platform/RegAccess.h"
#include "platform/sys/Ui.h"

namespace {

constexpr sys::Handle kLibrary = 0x5000;
constexpr sys::Handle kTaskbar = 0x77;

class FormHandlingTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        auto& strings = fake::W().modules[kLibrary].strings;
        strings = {{1, L"&Next"},
                   {2, L"Cancel"},
                   {3, L"Back"},
                   {2000, L"Please close all other programs."},
                   {2002, L"Do you really want to cancel?"}};
        Rs.LanguageLibrary = kLibrary;
        Rs.OsName = L"WinXP";
        Rs.ProductName = L"Valmor GPRS";
        Rs.VersionText = L"Ver.: 4.1.1.0";
        Rs.CurrentForm = &frmMain::Instance();
        fake::Ui().findable[L"Shell_TrayWnd\n"] = kTaskbar;
    }
    ui::Form& CloseApp() { return frmCloseApp::Instance(); }
    ui::Form& Query() { return frmQueryCancel::Instance(); }
    bool TaskbarHidden() {
        bool hidden = false;
        for (const auto& c : fake::Ui().setWindowPos)
            if (c.window == kTaskbar) hidden = c.flags == sys::kSwpHideWindow;
        return hidden;
    }
    void OnPage2() {
        FormHandling::ShowPage(1);
        fake::Key(CloseApp(), ui::kKeyReturn);
        ASSERT_EQ(Rs.CurrentPage, 2);
    }
};

TEST_F(FormHandlingTest, Page1ShowsTheCloseWindowOnItsOwnTopmostWithEnterOnForward) {
    FormHandling::ShowPage(1);
    EXPECT_EQ(Rs.CurrentPage, 1);
    EXPECT_TRUE(fake::WindowVisible(CloseApp()));
    EXPECT_TRUE(fake::WindowTopMost(CloseApp().HandleIfLoaded()));
    EXPECT_FALSE(frmMain::Instance().IsLoaded());
    EXPECT_EQ(CloseApp().Item(L"Label").Caption(), L"Please close all other programs.");
    EXPECT_EQ(CloseApp().Item(L"lblForward").Caption(), L"&Next");
    EXPECT_EQ(CloseApp().Item(L"lblCancel").Caption(), L"Cancel");
    EXPECT_EQ(CloseApp().Item(L"Image1").Picture(), 103);
    EXPECT_EQ(CloseApp().Item(L"Image1").Width(), 460);
    // Cancel on the left, Forward on the right; Enter starts on DefaultButton.
    EXPECT_EQ(CloseApp().Item(L"Cancel").Left(), 132);
    EXPECT_EQ(CloseApp().Item(L"Forward").Left(), 232);
    EXPECT_EQ(CloseApp().Item(L"lblForward").Top(), 365);
    EXPECT_EQ(fake::Ui().focusWindow, CloseApp().Item(L"DefaultButton").ChildWindow());
    EXPECT_FALSE(TaskbarHidden());
}

TEST_F(FormHandlingTest, ForwardOnPage1HidesTheTaskbarAndBringsUpTheMainWindow) {
    FormHandling::ShowPage(1);
    fake::Key(CloseApp(), ui::kKeyReturn);
    EXPECT_FALSE(CloseApp().IsLoaded());
    EXPECT_TRUE(TaskbarHidden());
    ui::Form& main = frmMain::Instance();
    EXPECT_TRUE(fake::WindowVisible(main));
    EXPECT_TRUE(fake::WindowTopMost(main.HandleIfLoaded()));
    EXPECT_EQ(Rs.CurrentPage, 2);
    EXPECT_FALSE(main.Item(L"Label").Visible());
    EXPECT_TRUE(main.Item(L"Forward").Visible());
    EXPECT_TRUE(main.Item(L"Cancel").Visible());
    EXPECT_TRUE(main.Item(L"ForwardButton").Default());
    std::vector<std::wstring> log = testsupport::LogMessages();
    EXPECT_NE(std::find(log.begin(), log.end(), L"frmain after topmost"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), L"user choice IRDA or COM"), log.end());
}

TEST_F(FormHandlingTest, EveryForwardOfPage1GoesTheSameWay) {
    for (int way = 0; way < 3; ++way) {
        SetUp();
        FormHandling::ShowPage(1);
        if (way == 0) fake::Click(CloseApp().Item(L"Forward"));
        if (way == 1) fake::Click(CloseApp().Item(L"lblForward"));
        if (way == 2) fake::Click(CloseApp().Item(L"DefaultButton"));
        EXPECT_EQ(Rs.CurrentPage, 2) << way;
        EXPECT_FALSE(CloseApp().IsLoaded()) << way;
    }
}

TEST_F(FormHandlingTest, OnWindowsNtForwardRecordsTheDevicesAndSkipsPage2) {
    Rs.OsName = L"WinNT";
    FormHandling::ShowPage(1);
    fake::Key(CloseApp(), ui::kKeyReturn);
    EXPECT_EQ(Rs.CurrentPage, 4);
    EXPECT_EQ(fake::StringOf(RegAccess::kLocalMachine, L"Software\\Valmor GPRS", L"InstalledDevices"), L"3");
    std::vector<std::wstring> log = testsupport::LogMessages();
    EXPECT_EQ(std::find(log.begin(), log.end(), L"user choice IRDA or COM"), log.end());
}

TEST_F(FormHandlingTest, Page1EndsOnEscCancelAndEveryClose) {
    std::vector<std::function<void()>> ways = {
        [this] { fake::Key(CloseApp(), ui::kKeyEscape); },
        [this] { fake::Click(CloseApp().Item(L"Cancel")); },
        [this] { fake::Click(CloseApp().Item(L"lblCancel")); },
        [this] { fake::CloseByUser(CloseApp()); },
        [this] { fake::CloseByUser(CloseApp(), ui::kUnloadAppWindows); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        SetUp();
        FormHandling::ShowPage(1);
        EXPECT_THROW(ways[i](), fake::ProgramEnded) << i;
        EXPECT_FALSE(TaskbarHidden()) << i;
    }
}

TEST_F(FormHandlingTest, CancelOnTheMainWindowAsksOverThePageArea) {
    OnPage2();
    fake::Key(frmMain::Instance(), ui::kKeyEscape);
    ASSERT_TRUE(fake::WindowVisible(Query()));
    EXPECT_FALSE(Query().IsModal());
    // picPage sits at 112 + 196, 84 + 107 on a 1024 x 768 screen.
    EXPECT_EQ(Query().Left(), 308);
    EXPECT_EQ(Query().Top(), 191);
    EXPECT_TRUE(fake::WindowTopMost(Query().HandleIfLoaded()));
    EXPECT_EQ(Query().Item(L"Label").Caption(), L"Do you really want to cancel?");
    EXPECT_EQ(Query().Item(L"lblBack").Caption(), L"Back");
    EXPECT_EQ(Query().Item(L"Back").Left(), 132);
    EXPECT_EQ(Query().Item(L"Cancel").Left(), 232);
    EXPECT_EQ(Query().Item(L"DefaultButton").Top(), -10000);
    EXPECT_EQ(Query().Item(L"CancelButton").Top(), -10000);
    EXPECT_EQ(fake::Ui().focusWindow, Query().Item(L"DefaultButton").ChildWindow());
}

TEST_F(FormHandlingTest, BackOnTheQueryReturnsToThePage) {
    for (int way = 0; way < 3; ++way) {
        SetUp();
        OnPage2();
        fake::Click(frmMain::Instance().Item(L"Cancel"));
        ASSERT_TRUE(Query().IsLoaded());
        if (way == 0) fake::Key(Query(), ui::kKeyReturn);
        if (way == 1) fake::Click(Query().Item(L"Back"));
        if (way == 2) fake::Click(Query().Item(L"lblBack"));
        EXPECT_FALSE(Query().IsLoaded()) << way;
        EXPECT_EQ(Rs.CurrentPage, 2) << way;
        EXPECT_TRUE(fake::WindowVisible(frmMain::Instance())) << way;
    }
}

TEST_F(FormHandlingTest, TheQueryEndsOnEscCancelAndAltF4) {
    std::vector<std::function<void()>> ways = {
        [this] { fake::Key(Query(), ui::kKeyEscape); },
        [this] { fake::Click(Query().Item(L"lblCancel")); },
        [this] { fake::CloseByUser(Query()); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        SetUp();
        OnPage2();
        frmQueryCancel::Show();
        EXPECT_THROW(ways[i](), fake::ProgramEnded) << i;
    }
}

TEST_F(FormHandlingTest, CancelAsksOnlyOnPages2To5And7) {
    for (int16_t page : {2, 3, 4, 5, 6, 7, 14, 0}) {
        Rs.CurrentPage = page;
        Clicks::CancelClick();
        bool asks = page == 2 || page == 3 || page == 4 || page == 5 || page == 7;
        EXPECT_EQ(Query().IsLoaded(), asks) << page;
        Query().Unload();
    }
    Rs.CurrentPage = 1;
    EXPECT_THROW(Clicks::CancelClick(), fake::ProgramEnded);
}

TEST_F(FormHandlingTest, MessageClosedResetsTheLayoutAndUnloadsTheDialog) {
    Rs.MessageButtons = 5;
    Rs.MessageId = 104;
    frmMessage::Instance().Load();
    Clicks::MessageClosed();
    EXPECT_EQ(Rs.MessageButtons, 0);
    EXPECT_FALSE(frmMessage::Instance().IsLoaded());
}

TEST_F(FormHandlingTest, HidingPage3TakesAwayProgressAndButtons) {
    ui::Form& main = frmMain::Instance();
    main.Item(L"Progressbar").SetVisible(true);
    FormHandling::HidePage(3);
    for (const wchar_t* name : {L"Progressbar", L"Cancel", L"Forward", L"lblCancel", L"lblForward"})
        EXPECT_FALSE(main.Item(name).Visible()) << name;
}

}  // namespace
