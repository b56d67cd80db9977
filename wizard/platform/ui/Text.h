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

// Word wrap at `width`: each line of the text is broken at blanks so that
// every piece measures no more than width; a word wider than width is broken
// between characters (at least one character per line). Blanks at a break
// are dropped. width < 1 wraps nothing.
std::vector<std::wstring> Wrap(const std::wstring& text, float width,
                               const std::function<float(const std::wstring&)>& measure);

}  // namespace text
}  // namespace ui
