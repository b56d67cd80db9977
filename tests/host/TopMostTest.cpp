// The taskbar and topmost helpers: the exact SetWindowPos calls.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "platform/TopMost.h"
#include "platform/sys/Ui.h"

namespace {

class TopMostTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(TopMostTest, TaskbarIsFoundByClassWithAnEmptyTitleAndHiddenAndShown) {
    fake::Ui().findable[L"Shell_TrayWnd\n"] = 0x77;
    TopMost::HideTaskbar();
    TopMost::ShowTaskbar();
    ASSERT_EQ(fake::Ui().findWindowCalls.size(), 2u);
    EXPECT_EQ(fake::Ui().findWindowCalls[0].first, L"Shell_TrayWnd");
    EXPECT_EQ(fake::Ui().findWindowCalls[0].second, L"");
    const auto& calls = fake::Ui().setWindowPos;
    ASSERT_EQ(calls.size(), 2u);
    for (const auto& c : calls) {
        EXPECT_EQ(c.window, 0x77u);
        EXPECT_EQ(c.insertAfter, 0u);
        EXPECT_EQ(c.x | c.y | c.width | c.height, 0);
    }
    EXPECT_EQ(calls[0].flags, 0x80u) << "SWP_HIDEWINDOW alone";
    EXPECT_EQ(calls[1].flags, 0x40u) << "SWP_SHOWWINDOW alone";
}

TEST_F(TopMostTest, NoTaskbarSendsTheCallsToNoWindow) {
    TopMost::HideTaskbar();
    ASSERT_EQ(fake::Ui().setWindowPos.size(), 1u);
    EXPECT_EQ(fake::Ui().setWindowPos[0].window, 0u);
}

TEST_F(TopMostTest, SetTopMostNeitherMovesNorSizes) {
    TopMost::SetTopMost(0x1234);
    ASSERT_EQ(fake::Ui().setWindowPos.size(), 1u);
    const auto& c = fake::Ui().setWindowPos[0];
    EXPECT_EQ(c.window, 0x1234u);
    EXPECT_EQ(c.insertAfter, sys::kHwndTopMost);
    EXPECT_EQ(c.flags, 0x3u) << "SWP_NOMOVE | SWP_NOSIZE";
    EXPECT_TRUE(fake::WindowTopMost(0x1234));
}

}  // namespace
