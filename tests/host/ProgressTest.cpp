// ShowProgress's arithmetic on a picture box (fake text: 2 x size high).
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "platform/progress.h"

namespace {

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        form.Load();
        bar = form.Add(ui::Kind::PictureBox, L"Progressbar");
        bar->Move(30, 328, 409, 25);
        bar->SetFontSize(8);  // text 16 high
    }
    void TearDown() override { fake::Reset(); }

    int16_t Show(int16_t value, int16_t min = 0, int16_t max = 100) {
        progress::ShowProgress(*bar, value, min, max);
        return value;
    }

    ui::Form form{L"frmProgress"};
    ui::Control* bar = nullptr;
};

TEST_F(ProgressTest, ZeroClearsTheBarAndPrintsNothing) {
    bar->LineBox(0, 0, 5, 5, 0);
    EXPECT_EQ(Show(0), 0);
    EXPECT_TRUE(bar->DrawOps().empty());
}

TEST_F(ProgressTest, HundredSpansTheWholeBarWithItsText) {
    EXPECT_EQ(Show(100), 100);
    ASSERT_EQ(bar->DrawOps().size(), 2u);
    const ui::DrawOp& box = bar->DrawOps()[0];
    EXPECT_EQ(box.type, ui::DrawOp::Box);
    EXPECT_EQ(box.x1, 0);
    EXPECT_EQ(box.y1, 0);
    EXPECT_EQ(box.x2, 408) << "ScaleWidth - 1";
    EXPECT_EQ(box.y2, 24) << "ScaleHeight - 1";
    EXPECT_EQ(box.color, ui::Rgb(6, 154, 154));
    EXPECT_TRUE(box.filled);
    const ui::DrawOp& text = bar->DrawOps()[1];
    EXPECT_EQ(text.type, ui::DrawOp::Text);
    EXPECT_EQ(text.text, L"100 %");
    EXPECT_FLOAT_EQ(text.x1, 409.0f / 2 - 3);
    // Half the height less 100 lies above the bar: centred instead.
    EXPECT_FLOAT_EQ(text.y1, (25.0f - 16) / 2);
}

TEST_F(ProgressTest, TheGivenHeightIsKeptWhereTheTextFitsThere) {
    bar->SetHeight(300);
    Show(50);
    EXPECT_FLOAT_EQ(bar->DrawOps()[1].y1, 50);
}

TEST_F(ProgressTest, PercentIsTheWholePartAndWidthRoundsHalvesToEven) {
    bar->SetWidth(52);  // (52 - 2) / 100 = 0.5 per percent
    EXPECT_EQ(Show(1), 1);
    EXPECT_EQ(bar->DrawOps()[0].x2, 1) << "0.5 rounds to 0, plus 1";
    Show(3);
    EXPECT_EQ(bar->DrawOps()[0].x2, 3) << "1.5 rounds to 2, plus 1";
    Show(5);
    EXPECT_EQ(bar->DrawOps()[0].x2, 3) << "2.5 rounds to 2, plus 1";
    // Another range: 7 of 0..9 is 77.7 percent, whole part 77.
    EXPECT_EQ(Show(7, 0, 9), 77);
    EXPECT_EQ(bar->DrawOps()[1].text, L"77 %");
    // A range not starting at 0, and a product beyond 16 bits.
    EXPECT_EQ(Show(-20000, -30000, 30000), 16);
}

TEST_F(ProgressTest, OutOfRangeOrEmptyRangeLeavesTheBarAsItWas) {
    Show(40);
    auto before = bar->DrawOps().size();
    EXPECT_EQ(Show(101), 101);
    EXPECT_EQ(Show(-1), -1);
    EXPECT_EQ(Show(5, 5, 5), 5);
    EXPECT_EQ(Show(5, 9, 3), 5);
    EXPECT_EQ(bar->DrawOps().size(), before);
    EXPECT_EQ(bar->DrawOps()[1].text, L"40 %");
}

}  // namespace
