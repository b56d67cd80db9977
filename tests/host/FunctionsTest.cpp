// SetLabelText and CharsetFromCodePage (the fake measures characters x size).
#include <gtest/gtest.h>

#include "core/RunState.h"
#include "fakes/Fakes.h"
#include "localisation/Functions.h"

using Functions::CharsetFromCodePage;
using Functions::SetLabelText;

namespace {

TEST(CharsetFromCodePageTest, TableAndDefault) {
    const std::pair<const wchar_t*, int16_t> table[] = {
        {L"932", 128},  {L"936", 134},  {L"949", 129},  {L"950", 136},  {L"1250", 238}, {L"1251", 204}, {L"1252", 0},
        {L"1253", 161}, {L"1254", 162}, {L"1255", 177}, {L"1256", 178}, {L"1257", 186}, {L"874", 222},
    };
    for (const auto& e : table) EXPECT_EQ(CharsetFromCodePage(e.first), e.second) << e.first;
    EXPECT_EQ(CharsetFromCodePage(L"1200"), 0) << "Unicode translation of shell32.dll on NT";
    EXPECT_EQ(CharsetFromCodePage(L""), 0);
    EXPECT_EQ(CharsetFromCodePage(L"0932"), 0) << "compared exactly";
    EXPECT_EQ(CharsetFromCodePage(L"932 "), 0);
}

class SetLabelTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        ResetRunState();
        form.Load();
        ui::Font formFont;
        formFont.charset = 7;
        form.SetFont(formFont);
        label = form.Add(ui::Kind::Label, L"lblForward");
        label->Move(0, 0, 96, 18);
        label->SetFont(ui::Font{L"MS Sans Serif", 10, true, false, 0});
    }
    void TearDown() override { fake::Reset(); }

    ui::Form form{L"frmFunctions"};
    ui::Control* label = nullptr;
};

TEST_F(SetLabelTextTest, AFittingTextOnlySetsFaceCharsetAndCaption) {
    Rs.SystemCodePage = L"932";
    SetLabelText(*label, L"Next", form);  // 40 <= 96
    EXPECT_EQ(label->Caption(), L"Next");
    EXPECT_EQ(label->GetFont().name, L"Arial");
    EXPECT_EQ(label->GetFont().size, 10);
    EXPECT_EQ(label->GetFont().charset, 128);
    EXPECT_TRUE(label->GetFont().bold);
    // The form measures with the label's face, bold, italic, size and charset.
    EXPECT_EQ(form.GetFont().name, L"Arial");
    EXPECT_TRUE(form.GetFont().bold);
    EXPECT_EQ(form.GetFont().size, 10);
    EXPECT_EQ(form.GetFont().charset, 128);
}

// The 9x family's shell32.dll names the ANSI code page, which the table
// knows; the NT family's names 1200 (Unicode), and the system's ANSI code
// page decides. A code page of the table wins over the ANSI code page.
TEST(TextCharsetTest, CodePageOfTheTranslationElseTheAnsiCodePage) {
    struct Case {
        const wchar_t* translation;
        uint32_t ansi;
        int16_t charset;
    };
    const Case cases[] = {
        {L"1251", 1251, 204},  // Russian 98
        {L"1200", 1251, 204},  // Russian XP
        {L"1200", 1252, 0},    // English or German XP
        {L"1200", 932, 128},   // Japanese XP
        {L"1200", 950, 136},   // Traditional Chinese 2000
        {L"1200", 874, 222},   // Thai XP
        {L"874", 874, 222},    // Thai 98
        {L"1200", 437, 0},     // an ANSI code page outside the table
        {L"932", 1252, 128},   // Japanese 98 (the table's answer)
        {L"", 1250, 238},      // shell32.dll without version information
    };
    for (const auto& c : cases) {
        fake::Reset();
        ResetRunState();
        Rs.SystemCodePage = c.translation;
        fake::W().ansiCodePage = c.ansi;
        EXPECT_EQ(Functions::TextCharset(), c.charset) << c.translation << " / " << c.ansi;
    }
    fake::Reset();
}

TEST_F(SetLabelTextTest, ShrinksOnePointAtATimeUntilItFitsAndEqualWidthFits) {
    // 12 characters: 120 at 10 points, 108 at 9, 96 at 8 (equal: fits).
    SetLabelText(*label, L"abcdefghijkl", form);
    EXPECT_EQ(label->GetFont().size, 8);
    EXPECT_EQ(form.GetFont().size, 8);
    EXPECT_EQ(label->Caption(), L"abcdefghijkl");
    EXPECT_EQ(label->GetFont().charset, 0) << "empty code page: ANSI";
}

// Japanese and Chinese texts wrap between ideographs, Korean and every other
// script at blanks; decided by the character set of the texts.
TEST_F(SetLabelTextTest, TextScriptGivesCharsetAndLineBreaking) {
    using ui::text::Breaks;
    const std::pair<uint32_t, Breaks> cases[] = {{932, Breaks::BetweenIdeographs}, {936, Breaks::BetweenIdeographs},
                                                 {950, Breaks::BetweenIdeographs}, {949, Breaks::AtBlanks},
                                                 {1251, Breaks::AtBlanks},         {1252, Breaks::AtBlanks}};
    Rs.SystemCodePage = L"1200";
    for (const auto& [ansi, breaks] : cases) {
        fake::W().ansiCodePage = ansi;
        Functions::UseTextScript(*label);
        EXPECT_EQ(label->LineBreaks(), breaks) << ansi;
        EXPECT_EQ(label->GetFont().charset, Functions::TextCharset()) << ansi;
    }
    // A face given with it takes the character set of the texts, not its own.
    fake::W().ansiCodePage = 874;
    const ui::Font face{L"Tahoma", 12, false, false, 0};
    Functions::UseTextScript(*label, &face);
    EXPECT_EQ(label->GetFont().name + std::to_wstring(label->GetFont().charset), L"Tahoma222");
}

TEST_F(SetLabelTextTest, NeverGrowsBackForALaterShortText) {
    SetLabelText(*label, L"abcdefghijkl", form);
    SetLabelText(*label, L"OK", form);
    EXPECT_EQ(label->GetFont().size, 8);
    EXPECT_EQ(label->Caption(), L"OK");
}

TEST_F(SetLabelTextTest, MeasuresTheWidestLineOfAMultiLineText) {
    // Widest line 16 characters: fits at 6 points (96), not at 7 (112).
    SetLabelText(*label, L"short\r\nabcdefghijklmnop\r\nx", form);
    EXPECT_EQ(label->GetFont().size, 6);
}

TEST_F(SetLabelTextTest, StopsAtOnePointWhenNothingFits) {
    label->SetFontSize(9.75f);
    SetLabelText(*label, std::wstring(500, L'w'), form);
    EXPECT_FLOAT_EQ(label->GetFont().size, 1.75f) << "the last size not below 1 point";
    EXPECT_EQ(label->Caption().size(), 500u);
}

TEST_F(SetLabelTextTest, AMissingLabelIsIgnored) {
    // A lookup that missed yields the inert control.
    SetLabelText(ui::Control::Inert(), L"text", form);
    EXPECT_EQ(form.GetFont().name, L"MS Sans Serif");
}

}  // namespace
