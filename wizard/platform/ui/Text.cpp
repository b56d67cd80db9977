#include "platform/ui/Text.h"

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

}  // namespace

std::vector<std::wstring> Wrap(const std::wstring& text, float width,
                               const std::function<float(const std::wstring&)>& measure) {
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
            std::wstring word;
            while (i < para.size() && para[i] != L' ') word += para[i++];
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
