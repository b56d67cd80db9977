#include <cwctype>

#include "Fakes.h"
#include "platform/sys/Types.h"

namespace fake {

static World* gWorld = nullptr;

World& W() {
    if (!gWorld) gWorld = new World();
    return *gWorld;
}

void Reset() {
    delete gWorld;
    gWorld = new World();
}

bool Fail(const char* call) {
    World& w = W();
    if (w.quiet || ++w.seamCalls != w.failAt) return false;
    w.failedCall = call;
    return true;
}

std::wstring Fold(const std::wstring& s) {
    std::wstring r = s;
    for (auto& c : r)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return r;
}

static std::vector<std::wstring> SplitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring cur;
    for (wchar_t c : path) {
        if (c == L'\\') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

RegKey* FindKey(int root, const std::wstring& path) {
    auto it = W().roots.find(root);
    if (it == W().roots.end()) return nullptr;
    RegKey* k = &it->second;
    if (path.empty()) return k;
    for (const auto& part : SplitPath(path)) {
        if (part.empty()) return nullptr;
        auto s = k->sub.find(Fold(part));
        if (s == k->sub.end()) return nullptr;
        k = s->second.get();
    }
    return k;
}

RegKey& MakeKey(int root, const std::wstring& path) {
    RegKey* k = &W().roots[root];
    if (path.empty()) return *k;
    for (const auto& part : SplitPath(path)) {
        auto f = Fold(part);
        auto s = k->sub.find(f);
        if (s == k->sub.end()) {
            auto nk = std::make_unique<RegKey>();
            nk->name = part;
            s = k->sub.emplace(f, std::move(nk)).first;
            k->subOrder.push_back(f);
        }
        k = s->second.get();
    }
    return *k;
}

static void PutValue(RegKey& k, const std::wstring& name, RegValue v) {
    auto f = Fold(name);
    if (!k.values.count(f)) k.valueOrder.push_back(name);
    k.values[f] = std::move(v);
}

void SetString(int root, const std::wstring& path, const std::wstring& name, const std::wstring& value) {
    PutValue(MakeKey(root, path), name, RegValue{1, sys::ToAnsi(value) + std::string(1, '\0')});
}

void SetDword(int root, const std::wstring& path, const std::wstring& name, uint32_t value) {
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    PutValue(MakeKey(root, path), name, RegValue{4, b});
}

bool HasValue(int root, const std::wstring& path, const std::wstring& name) {
    RegKey* k = FindKey(root, path);
    return k && k->values.count(Fold(name));
}

std::wstring StringOf(int root, const std::wstring& path, const std::wstring& name) {
    RegKey* k = FindKey(root, path);
    if (!k) return L"<no key>";
    auto it = k->values.find(Fold(name));
    if (it == k->values.end()) return L"<no value>";
    std::string b = it->second.bytes;
    if (!b.empty() && b.back() == '\0') b.pop_back();
    return sys::FromAnsi(b);
}

static std::wstring Parent(const std::wstring& path) {
    auto p = path.find_last_of(L'\\');
    return p == std::wstring::npos ? L"" : path.substr(0, p);
}

void PutDir(const std::wstring& path) {
    std::wstring p = path;
    while (!p.empty() && p.back() == L'\\') p.pop_back();
    // Create every level, as a test arranging a tree expects.
    for (std::wstring q = p; !q.empty() && q.size() > 2; q = Parent(q)) W().dirs.insert(Fold(q));
    if (p.size() >= 2) W().dirs.insert(Fold(p.substr(0, 2)));
}

bool HasDir(const std::wstring& path) {
    std::wstring p = path;
    while (!p.empty() && p.back() == L'\\') p.pop_back();
    return W().dirs.count(Fold(p)) > 0;
}

void PutFile(const std::wstring& path, const std::string& bytes, uint32_t attributes) {
    PutDir(Parent(path));
    W().files[Fold(path)] = File{bytes, attributes};
    W().fileNames[Fold(path)] = path;
}

bool HasFile(const std::wstring& path) { return W().files.count(Fold(path)) > 0; }

std::string FileBytes(const std::wstring& path) {
    auto it = W().files.find(Fold(path));
    return it == W().files.end() ? std::string("<no file>") : it->second.bytes;
}

}  // namespace fake

namespace sys {

Ansi ToAnsi(const std::wstring& text) {
    Ansi r;
    r.reserve(text.size());
    for (wchar_t c : text) r += (c >= 0 && c < 256) ? static_cast<char>(c) : '?';
    return r;
}

std::wstring FromAnsi(const Ansi& text) {
    std::wstring r;
    r.reserve(text.size());
    for (char c : text) r += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return r;
}

}  // namespace sys
