// Text arithmetic of the window toolkit: lines, mnemonics, word wrap.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {
namespace text {

wchar_t FoldChar(wchar_t c);

// Lines of a text; a line ends at CR LF, LF or CR. "" is one empty line.
std::vector<std::wstring> SplitLines(const std::wstring& text);

// The text as a label shows it: a single '&' removed, "&&" as '&'.
std::wstring StripMnemonic(const std::wstring& text);

// Where a line may break besides at blanks.
enum class Breaks {
    AtBlanks,           // only at blanks (Latin, Greek, Cyrillic, Korean, ...)
    BetweenIdeographs,  // also between ideographs and kana (Chinese, Japanese)
};

// Word wrap at `width`: each line of the text is broken at blanks (and, with
// Breaks::BetweenIdeographs, between two characters of which one is an
// ideograph, kana or full-width sign, but never before closing punctuation
// such as 、。」) nor after opening punctuation such as 「（) so that every
// piece measures no more than width; a word wider than width is broken
// between characters (at least one character per line). Blanks at a break
// are dropped. width < 1 wraps nothing.
std::vector<std::wstring> Wrap(const std::wstring& text, float width,
                               const std::function<float(const std::wstring&)>& measure,
                               Breaks breaks = Breaks::AtBlanks);

}  // namespace text
}  // namespace ui
