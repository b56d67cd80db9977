// INI files over the fake file system, read and written the way the
// private-profile functions do it: sections and keys without regard to case,
// blanks around keys and values dropped, one pair of enclosing quotes removed.
#include <vector>

#include "Fakes.h"
#include "platform/sys/Files.h"
#include "platform/sys/Profile.h"

using fake::Fold;

namespace {

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstring cur;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') continue;
        if (text[i] == L'\n') {
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += text[i];
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

std::wstring Trim(const std::wstring& s) {
    size_t b = s.find_first_not_of(L" \t"), e = s.find_last_not_of(L" \t");
    return b == std::wstring::npos ? L"" : s.substr(b, e - b + 1);
}

bool IsSection(const std::wstring& line, std::wstring* name) {
    std::wstring t = Trim(line);
    if (t.size() < 2 || t[0] != L'[') return false;
    auto close = t.find(L']');
    if (close == std::wstring::npos) return false;
    *name = t.substr(1, close - 1);
    return true;
}

bool IsKey(const std::wstring& line, std::wstring* key, std::wstring* value) {
    auto eq = line.find(L'=');
    if (eq == std::wstring::npos) return false;
    *key = Trim(line.substr(0, eq));
    *value = Trim(line.substr(eq + 1));
    return true;
}

std::wstring Read(const std::wstring& file, bool* exists) {
    fake::Quiet quiet;
    sys::Ansi bytes;
    *exists = sys::ReadWholeFile(file, &bytes);
    return sys::FromAnsi(bytes);
}

void Write(const std::wstring& file, const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const auto& l : lines) text += l + L"\r\n";
    fake::Quiet quiet;
    sys::WriteWholeFile(file, sys::ToAnsi(text));
}

}  // namespace

namespace sys {

uint32_t GetPrivateProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                                 uint32_t bufferChars, const std::wstring& file, std::wstring* out) {
    bool exists = false;
    std::wstring result = def;
    if (fake::Fail("GetPrivateProfileString")) {  // the file cannot be read: the default
        if (bufferChars == 0) return 0;
        *out = def.substr(0, bufferChars - 1);
        return static_cast<uint32_t>(out->size());
    }
    auto lines = Lines(Read(file, &exists));
    bool inSection = false;
    for (const auto& l : lines) {
        std::wstring name, k, v;
        if (IsSection(l, &name)) {
            inSection = Fold(name) == Fold(section);
        } else if (inSection && IsKey(l, &k, &v) && Fold(k) == Fold(key)) {
            if (v.size() >= 2 && (v.front() == L'"' || v.front() == L'\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            result = v;
            break;
        }
    }
    if (bufferChars == 0) return 0;
    if (result.size() > bufferChars - 1) result.resize(bufferChars - 1);
    *out = result;
    return static_cast<uint32_t>(result.size());
}

bool WritePrivateProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                               const std::wstring& file) {
    fake::W().profileCalls.push_back(L"write " + file);
    if (fake::Fail("WritePrivateProfileString")) return false;
    bool exists = false;
    auto lines = Lines(Read(file, &exists));
    int sectionLine = -1, end = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring name, k, v;
        if (IsSection(lines[i], &name)) {
            if (sectionLine >= 0 && end < 0) end = static_cast<int>(i);
            if (sectionLine < 0 && Fold(name) == Fold(section)) sectionLine = static_cast<int>(i);
        } else if (sectionLine >= 0 && end < 0 && IsKey(lines[i], &k, &v) && Fold(k) == Fold(key)) {
            lines[i] = k + L"=" + value;
            Write(file, lines);
            return true;
        }
    }
    if (sectionLine < 0) {
        lines.push_back(L"[" + section + L"]");
        lines.push_back(key + L"=" + value);
    } else {
        if (end < 0) end = static_cast<int>(lines.size());
        // After the last non-blank line of the section.
        while (end - 1 > sectionLine && Trim(lines[end - 1]).empty()) --end;
        lines.insert(lines.begin() + end, key + L"=" + value);
    }
    Write(file, lines);
    return true;
}

bool FlushPrivateProfile(const std::wstring& file) {
    fake::W().profileCalls.push_back(L"flush " + file);
    if (fake::Fail("WritePrivateProfileString (flush)")) return false;
    return true;
}

bool RemoveProfileSection(const std::wstring& section, const std::wstring& file) {
    if (fake::Fail("WritePrivateProfileStruct")) return false;
    bool exists = false;
    auto lines = Lines(Read(file, &exists));
    if (!exists) return false;
    std::vector<std::wstring> kept;
    bool skipping = false;
    for (const auto& l : lines) {
        std::wstring name;
        if (IsSection(l, &name)) skipping = Fold(name) == Fold(section);
        if (!skipping) kept.push_back(l);
    }
    Write(file, kept);
    return true;
}

}  // namespace sys
