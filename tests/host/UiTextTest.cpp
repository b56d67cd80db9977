// Line splitting, mnemonics and word wrap of the toolkit's labels.
#include <gtest/gtest.h>

#include "platform/ui/Text.h"

using ui::text::SplitLines;
using ui::text::StripMnemonic;
using ui::text::Wrap;
using Lines = std::vector<std::wstring>;

namespace {

// One unit per character.
float Chars(const std::wstring& s) { return static_cast<float>(s.size()); }

TEST(UiTextTest, LinesEndAtCrLfLfOrCr) {
    EXPECT_EQ(SplitLines(L""), Lines{L""});
    EXPECT_EQ(SplitLines(L"a\r\nb\nc\rd"), (Lines{L"a", L"b", L"c", L"d"}));
    EXPECT_EQ(SplitLines(L"a\r\n\r\nb"), (Lines{L"a", L"", L"b"}));
    EXPECT_EQ(SplitLines(L"a\n"), (Lines{L"a", L""}));
}

TEST(UiTextTest, MnemonicMarksAreRemovedAndDoubledAmpersandsKept) {
    EXPECT_EQ(StripMnemonic(L"&OK"), L"OK");
    EXPECT_EQ(StripMnemonic(L"Save && &Quit"), L"Save & Quit");
    EXPECT_EQ(StripMnemonic(L"end&"), L"end");
}

TEST(UiTextTest, WrapBreaksAtBlanksAndEqualWidthFits) {
    EXPECT_EQ(Wrap(L"one two three", 7, Chars), (Lines{L"one two", L"three"}));
    EXPECT_EQ(Wrap(L"one two three", 13, Chars), Lines{L"one two three"});
    EXPECT_EQ(Wrap(L"one two three", 6, Chars), (Lines{L"one", L"two", L"three"}));
    // Blanks at a break vanish; blanks inside a line stay.
    EXPECT_EQ(Wrap(L"ab   cd  ef", 7, Chars), (Lines{L"ab   cd", L"ef"}));
}

TEST(UiTextTest, WrapBreaksOverWideWordsBetweenCharacters) {
    EXPECT_EQ(Wrap(L"abcdefgh", 3, Chars), (Lines{L"abc", L"def", L"gh"}));
    EXPECT_EQ(Wrap(L"x abcdefgh y", 3, Chars), (Lines{L"x", L"abc", L"def", L"gh", L"y"}));
    // Narrower than one character: one character per line, never an endless loop.
    EXPECT_EQ(Wrap(L"abc", 1.5f, [](const std::wstring& s) { return 2.0f * s.size(); }), (Lines{L"a", L"b", L"c"}));
}

TEST(UiTextTest, WrapKeepsExplicitLineBreaksAndEmptyLines) {
    EXPECT_EQ(Wrap(L"aa bb\r\n\r\ncc", 3, Chars), (Lines{L"aa", L"bb", L"", L"cc"}));
    EXPECT_EQ(Wrap(L"", 10, Chars), Lines{L""});
    EXPECT_EQ(Wrap(L"no width", 0, Chars), Lines{L"no width"});
}

}  // namespace
