// Text arithmetic of the window toolkit: lines, mnemonics, word wrap.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {
namespace text {

wchar_t FoldChar(wchar_t c);

// A word mark: where a script written without blanks (Thai) may break a
// line. It has no width and is never drawn. The language libraries carry it
// as the control character US, which every code page converts unchanged;
// U+200B (zero width space) counts too.
constexpr wchar_t kWordMark = L'\x1F';
inline bool IsWordMark(wchar_t c) { return c == kWordMark || c == L'\x200B'; }

// Lines of a text as drawn: a line ends at CR LF, LF or CR, and word marks
// are dropped. "" is one empty line.
std::vector<std::wstring> SplitLines(const std::wstring& text);

// The text as a label shows it: a single '&' removed, "&&" as '&', no word
// marks.
std::wstring StripMnemonic(const std::wstring& text);

// The text without its word marks, for a window of the system that draws it.
std::wstring WithoutWordMarks(const std::wstring& text);

// Where a line may break besides at blanks and word marks.
enum class Breaks {
    AtBlanks,           // nowhere else (Latin, Greek, Cyrillic, Korean, Thai, ...)
    BetweenIdeographs,  // also between ideographs and kana (Chinese, Japanese)
};

// Word wrap at `width`: each line of the text is broken at blanks and word
// marks (and, with Breaks::BetweenIdeographs, between two characters of which
// one is an ideograph, kana or full-width sign) so that every piece measures
// no more than width. No line starts with closing punctuation (。」!?;:»)
// nor ends with opening punctuation (「（«): a lone "!" or "»" after a blank
// stays with the word before it, a lone "«" with the word after it. A
// no-break space never breaks. A word wider than width is broken between
// characters (at least one letter with its marks per line), but never before
// a combining mark, a vowel sign written after its consonant, or after one
// written before it. Blanks at a break and every word mark are dropped.
// width < 1 wraps nothing.
std::vector<std::wstring> Wrap(const std::wstring& text, float width,
                               const std::function<float(const std::wstring&)>& measure,
                               Breaks breaks = Breaks::AtBlanks);

}  // namespace text
}  // namespace ui
