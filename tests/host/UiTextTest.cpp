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

// Chinese and Japanese break between ideographs and kana, never before a
// closing mark nor after an opening one; Latin words and numbers inside stay
// whole; Korean (Hangul) still breaks at blanks only. The fake measure gives a
// full-width character two units, as a CJK font draws it.
TEST(UiTextTest, WrapBetweenIdeographsKeepsPunctuationWithItsWord) {
    auto wide = [](const std::wstring& s) {
        float w = 0;
        for (wchar_t c : s) w += c >= 0x2E80 ? 2.0f : 1.0f;
        return w;
    };
    const auto cjk = ui::text::Breaks::BetweenIdeographs;
    EXPECT_EQ(Wrap(L"\u4E00\u4E8C\u4E09\u56DB\u4E94", 6, wide, cjk), (Lines{L"\u4E00\u4E8C\u4E09", L"\u56DB\u4E94"}));
    // Full stop (U+3002) and ideographic comma (U+3001) stay at the end of
    // their line, the corner bracket (U+300C) at the start of its word.
    EXPECT_EQ(Wrap(L"\u4E00\u4E8C\u3002\u4E09\u56DB", 4, wide, cjk),
              (Lines{L"\u4E00", L"\u4E8C\u3002", L"\u4E09\u56DB"}));
    EXPECT_EQ(Wrap(L"\u4E00\u4E8C\u300C\u4E09\u300D\u3001", 8, wide, cjk),
              (Lines{L"\u4E00\u4E8C", L"\u300C\u4E09\u300D\u3001"}));
    EXPECT_EQ(Wrap(L"\u4E00\uFF08COM1\uFF09\u4E8C", 8, wide, cjk), (Lines{L"\u4E00", L"\uFF08COM1\uFF09", L"\u4E8C"}))
        << "full-width parentheses";
    EXPECT_EQ(Wrap(L"\u8BF7\u7528COM1\u7AEF\u53E3", 5, wide, cjk), (Lines{L"\u8BF7\u7528", L"COM1", L"\u7AEF\u53E3"}));
    EXPECT_EQ(Wrap(L"\u8BF7\u7528 Valmor GPRS", 8, wide, cjk), (Lines{L"\u8BF7\u7528", L"Valmor", L"GPRS"}));
    // The edges of the ranges that break: U+2E80, U+303F and U+FFEF do, U+4DFF and U+FFF0 do not.
    for (wchar_t c : {L'\u2E80', L'\u303F', L'\u4DFF', L'\uFFEF', L'\uFFF0'})
        EXPECT_EQ(Wrap(std::wstring(L"a b") + c, 3, Chars, cjk)[0], c == 0x4DFF || c == 0xFFF0 ? L"a" : L"a b") << c;
    // Hangul words break at the blank between them, not inside.
    EXPECT_EQ(Wrap(L"\uC804\uD654 \uC5F0\uACB0", 6, wide, cjk), (Lines{L"\uC804\uD654", L"\uC5F0\uACB0"}));
    // At blanks only, the same sentence is one over-wide word, broken between characters: the full stop still
    // stays with its ideograph.
    EXPECT_EQ(Wrap(L"\u4E00\u4E8C\u3002\u4E09\u56DB", 4, wide), (Lines{L"\u4E00", L"\u4E8C\u3002", L"\u4E09\u56DB"}));
}

// Thai breaks at word marks (US, U+200B), never measured nor drawn; an over-wide word keeps a letter with its vowel and
// tone marks (ั on ศ; ่ on ก, า after it). No-break spaces hold; a lone "!" or "»" after a blank never starts a line.
TEST(UiTextTest, WrapAtWordMarksAndNeverInsideAClusterNorBeforeClosingMarks) {
    const std::wstring thai = L"\u0E40\u0E1B\u0E34\u0E14\037\u0E42\u0E17\u0E23\u0E28\u0E31\u0E1E\u0E17\u0E4C";
    EXPECT_EQ(Wrap(thai, 4, Chars),
              (Lines{L"\u0E40\u0E1B\u0E34\u0E14", L"\u0E42\u0E17\u0E23", L"\u0E28\u0E31\u0E1E", L"\u0E17\u0E4C"}));
    EXPECT_EQ(Wrap(L"ab\037cd\u200Bef gh", 6, Chars), (Lines{L"abcdef", L"gh"}));
    EXPECT_EQ(Wrap(L"\u0E01\u0E48\u0E32\u0E01\u0E48\u0E32", 2, Chars),
              (Lines{L"\u0E01\u0E48\u0E32", L"\u0E01\u0E48\u0E32"}));
    EXPECT_EQ(SplitLines(L"a\037b\r\nc"), (Lines{L"ab", L"c"}));
    EXPECT_EQ(StripMnemonic(L"&a\037b"), L"ab");
    EXPECT_EQ(Wrap(L"Bienvenue dans kundel\u00A0!", 21, Chars), (Lines{L"Bienvenue dans", L"kundel\u00A0!"}));
    EXPECT_EQ(Wrap(L"cliquez sur \u00AB Suivant \u00BB !", 14, Chars),
              (Lines{L"cliquez sur", L"\u00AB Suivant \u00BB !"}));
    EXPECT_EQ(Wrap(L"abc\u00A0!", 3, Chars), (Lines{L"ab", L"c\u00A0!"}));
}

}  // namespace
