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

namespace {

// The lines of a text, word marks kept.
std::vector<std::wstring> Paragraphs(const std::wstring& text) {
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

}  // namespace

std::wstring WithoutWordMarks(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text)
        if (!IsWordMark(c)) out += c;
    return out;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) { return Paragraphs(WithoutWordMarks(text)); }

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
        if (!IsWordMark(text[i])) out += text[i];
    }
    return out;
}

namespace {

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
// the prolonged-sound mark, iteration marks (Thai ๆ too), small kana.
bool IsClosing(wchar_t c) {
    static const wchar_t kClosing[] =
        L")]},.:;?!%\u00BB\u0E2F\u0E46\u2019\u201D\u2026\u2025\u3001\u3002\u3009\u300B\u300D\u300F\u3011\u3015\u3017"
        L"\u3019\u301B\u301E\u301F\u3005\u309D\u309E\u30FB\u30FC\u30FD\u30FE"
        L"\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u308E\u30A1\u30A3\u30A5\u30A7"
        L"\u30A9\u30C3\u30E3\u30E5\u30E7\u30EE\u30F5\u30F6"
        L"\uFF01\uFF09\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF3D\uFF5D\uFF60\uFF61\uFF63\uFF64";
    return c != 0 && std::wcschr(kClosing, c) != nullptr;
}

// No line ends with these: opening brackets and quotes.
bool IsOpening(wchar_t c) {
    static const wchar_t kOpening[] =
        L"([{\u00AB\u2018\u201C\u3008\u300A\u300C\u300E\u3010\u3014\u3016\u3018"
        L"\u301A\u301D\uFF08\uFF3B\uFF5B\uFF5F\uFF62";
    return c != 0 && std::wcschr(kOpening, c) != nullptr;
}

// Thai vowel signs above and below, tone marks and the other combining signs
// (and those of Latin and Greek): drawn on the character before them.
bool IsCombining(wchar_t c) {
    return c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E) || (c >= 0x0300 && c <= 0x036F);
}

// The characters of a word that stay on one line, whatever its width: a
// letter and its combining marks; a Thai letter and the vowel sign written
// after it (ะ า ำ ๅ) or before it (เ แ โ ใ ไ); the two sides of a no-break
// space; a closing mark and what precedes it, an opening one and what
// follows.
bool Joined(wchar_t a, wchar_t b) {
    return IsCombining(b) || b == 0x0E30 || b == 0x0E32 || b == 0x0E33 || b == 0x0E45 || (a >= 0x0E40 && a <= 0x0E44) ||
           a == 0xA0 || b == 0xA0 || a == 0x202F || b == 0x202F || IsClosing(b) || IsOpening(a);
}

// Breaks one over-wide word into pieces that fit (at least one cluster of
// joined characters each).
void BreakWord(const std::wstring& word, float width, const std::function<float(const std::wstring&)>& measure,
               std::vector<std::wstring>* out, std::wstring* rest) {
    std::wstring piece;
    for (size_t i = 0; i < word.size();) {
        size_t n = 1;
        while (i + n < word.size() && Joined(word[i + n - 1], word[i + n])) ++n;
        std::wstring candidate = piece + word.substr(i, n);
        if (!piece.empty() && measure(candidate) > width) {
            out->push_back(piece);
            piece = word.substr(i, n);
        } else {
            piece = candidate;
        }
        i += n;
    }
    *rest = piece;
}

// A line may break between a and b, two characters that are not blanks.
bool BreaksBetween(wchar_t a, wchar_t b) {
    return (IsIdeographic(a) || IsIdeographic(b)) && !IsClosing(b) && !IsOpening(a);
}

bool Separates(wchar_t c) { return c == L' ' || IsWordMark(c); }

// The length of the word at s[from] (no blank): up to the next blank or word mark, or with Breaks::BetweenIdeographs
// to the first place between two characters where a line may break.
size_t WordLength(const std::wstring& s, size_t from, Breaks breaks) {
    size_t i = from;
    while (i < s.size() && !Separates(s[i])) {
        ++i;
        if (breaks == Breaks::BetweenIdeographs && i < s.size() && !Separates(s[i]) && BreaksBetween(s[i - 1], s[i]))
            break;
    }
    return i - from;
}

// A word and the blanks before it, where the line may break.
struct Piece {
    std::wstring blanks, word;
};

bool All(const std::wstring& word, bool (*test)(wchar_t)) {
    for (wchar_t c : word)
        if (!test(c)) return false;
    return true;
}

// The pieces of a paragraph; a word of closing marks alone joins the one
// before it, a word of opening marks alone the one after it. Word marks are
// dropped; the blanks before the first word are kept.
std::vector<Piece> Pieces(const std::wstring& para, Breaks breaks) {
    std::vector<Piece> pieces;
    bool glue = false;  // the last word opens: the next one joins it
    for (size_t i = 0; i < para.size();) {
        Piece p;
        for (; i < para.size() && Separates(para[i]); ++i)
            if (para[i] == L' ') p.blanks += L' ';
        if (i == para.size()) break;
        size_t n = WordLength(para, i, breaks);
        p.word = para.substr(i, n);
        i += n;
        if (!pieces.empty() && (glue || All(p.word, IsClosing)))
            pieces.back().word += p.blanks + p.word;
        else
            pieces.push_back(p);
        glue = All(p.word, IsOpening);
    }
    return pieces;
}

}  // namespace

std::vector<std::wstring> Wrap(const std::wstring& text, float width,
                               const std::function<float(const std::wstring&)>& measure, Breaks breaks) {
    if (width < 1) return SplitLines(text);
    std::vector<std::wstring> out;
    for (const auto& para : Paragraphs(text)) {
        std::wstring line;
        bool empty = true;  // nothing on the current line yet
        for (const Piece& p : Pieces(para, breaks)) {
            std::wstring candidate = line + p.blanks + p.word;
            if (measure(candidate) <= width) {
                line = candidate;
            } else if (!empty) {
                out.push_back(line);
                line.clear();
                if (measure(p.word) <= width)
                    line = p.word;
                else
                    BreakWord(p.word, width, measure, &out, &line);
            } else {
                BreakWord(candidate, width, measure, &out, &line);
            }
            empty = false;
        }
        out.push_back(line);
    }
    return out;
}

}  // namespace text
}  // namespace ui
