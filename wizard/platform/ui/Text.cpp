#include "platform/ui/Text.h"

#include <cwchar>

namespace ui {
namespace text {

wchar_t FoldChar(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
    // Latin-1 lower-case letters (except the sharp s and y with diaeresis).
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
    return c;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstring cur;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else {
            cur += c;
        }
    }
    lines.push_back(cur);
    return lines;
}

std::wstring StripMnemonic(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                out += L'&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

namespace {

// Breaks one over-wide word into pieces that fit (at least one character each).
void BreakWord(const std::wstring& word, float width, const std::function<float(const std::wstring&)>& measure,
               std::vector<std::wstring>* out, std::wstring* rest) {
    std::wstring piece;
    for (wchar_t c : word) {
        std::wstring candidate = piece + c;
        if (!piece.empty() && measure(candidate) > width) {
            out->push_back(piece);
            piece = std::wstring(1, c);
        } else {
            piece = candidate;
        }
    }
    *rest = piece;
}

// Ideographs, kana, CJK and full-width signs: a line may break on either
// side of them (Hangul is left out: Korean breaks at blanks).
bool IsIdeographic(wchar_t c) {
    return (c >= 0x2E80 && c <= 0x303F) ||  // radicals, CJK signs and punctuation
           (c >= 0x3040 && c <= 0x31FF) ||  // kana, bopomofo
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) ||  // CJK compatibility forms
           (c >= 0xFF00 && c <= 0xFFEF);    // full-width and half-width forms
}

// No line begins with these: closing brackets and quotes, commas, stops,
// the prolonged-sound mark, iteration marks, small kana.
bool IsClosing(wchar_t c) {
    static const wchar_t kClosing[] =
        L")]},.:;?!%\u2019\u201D\u2026\u2025\u3001\u3002\u3009\u300B\u300D\u300F\u3011\u3015\u3017"
        L"\u3019\u301B\u301E\u301F\u3005\u309D\u309E\u30FB\u30FC\u30FD\u30FE"
        L"\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u308E\u30A1\u30A3\u30A5\u30A7"
        L"\u30A9\u30C3\u30E3\u30E5\u30E7\u30EE\u30F5\u30F6"
        L"\uFF01\uFF09\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF3D\uFF5D\uFF60\uFF61\uFF63\uFF64";
    return c != 0 && std::wcschr(kClosing, c) != nullptr;
}

// No line ends with these: opening brackets and quotes.
bool IsOpening(wchar_t c) {
    static const wchar_t kOpening[] =
        L"([{\u2018\u201C\u3008\u300A\u300C\u300E\u3010\u3014\u3016\u3018"
        L"\u301A\u301D\uFF08\uFF3B\uFF5B\uFF5F\uFF62";
    return c != 0 && std::wcschr(kOpening, c) != nullptr;
}

// A line may break between a and b, two characters that are not blanks.
bool BreaksBetween(wchar_t a, wchar_t b) {
    return (IsIdeographic(a) || IsIdeographic(b)) && !IsClosing(b) && !IsOpening(a);
}

// The length of the word at s[from] (no blank): up to the next blank, or with Breaks::BetweenIdeographs to the first
// place between two characters where a line may break.
size_t WordLength(const std::wstring& s, size_t from, Breaks breaks) {
    size_t i = from;
    while (i < s.size() && s[i] != L' ') {
        ++i;
        if (breaks == Breaks::BetweenIdeographs && i < s.size() && s[i] != L' ' && BreaksBetween(s[i - 1], s[i])) break;
    }
    return i - from;
}

}  // namespace

std::vector<std::wstring> Wrap(const std::wstring& text, float width,
                               const std::function<float(const std::wstring&)>& measure, Breaks breaks) {
    std::vector<std::wstring> paragraphs = SplitLines(text);
    if (width < 1) return paragraphs;
    std::vector<std::wstring> out;
    for (const auto& para : paragraphs) {
        size_t i = 0;
        std::wstring blanks;  // before the next word: leading blanks of the paragraph are kept
        while (i < para.size() && para[i] == L' ') blanks += para[i++];
        std::wstring line;
        bool empty = true;  // nothing on the current line yet
        while (i < para.size()) {
            size_t n = WordLength(para, i, breaks);
            std::wstring word = para.substr(i, n);
            i += n;
            std::wstring candidate = line + blanks + word;
            if (measure(candidate) <= width) {
                line = candidate;
            } else if (!empty) {
                out.push_back(line);
                line.clear();
                if (measure(word) <= width)
                    line = word;
                else
                    BreakWord(word, width, measure, &out, &line);
            } else {
                BreakWord(candidate, width, measure, &out, &line);
            }
            empty = false;
            blanks.clear();
            while (i < para.size() && para[i] == L' ') blanks += para[i++];
        }
        out.push_back(line);
    }
    return out;
}

}  // namespace text
}  // namespace ui
