#include <cstdio>

#include "Fakes.h"
#include "platform/sys/Errors.h"
#include "platform/sys/Files.h"
#include "platform/sys/Profile.h"
#include "platform/sys/Security.h"

using fake::Fold;
using fake::W;

namespace {

std::wstring ParentOf(const std::wstring& path) {
    auto p = path.find_last_of(L'\\');
    return p == std::wstring::npos ? L"" : path.substr(0, p);
}

std::wstring NameOf(const std::wstring& path) {
    auto p = path.find_last_of(L'\\');
    return p == std::wstring::npos ? path : path.substr(p + 1);
}

bool DirExists(const std::wstring& dir) {
    std::wstring d = dir;
    while (!d.empty() && d.back() == L'\\') d.pop_back();
    if (d.size() == 2 && d[1] == L':') return true;  // drive roots always exist
    return W().dirs.count(Fold(d)) > 0;
}

bool Match(const std::wstring& mask, const std::wstring& name) {
    // '*' and '?' as the system reads them; "*.*" matches every name.
    if (mask == L"*.*" || mask == L"*") return true;
    std::wstring m = Fold(mask), n = Fold(name);
    size_t mi = 0, ni = 0, star = std::wstring::npos, back = 0;
    while (ni < n.size()) {
        if (mi < m.size() && (m[mi] == L'?' || m[mi] == n[ni])) {
            ++mi;
            ++ni;
        } else if (mi < m.size() && m[mi] == L'*') {
            star = mi++;
            back = ni;
        } else if (star != std::wstring::npos) {
            mi = star + 1;
            ni = ++back;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == L'*') ++mi;
    return mi == m.size();
}

}  // namespace

namespace sys {

std::vector<FoundFile> FindFiles(const std::wstring& pattern, uint32_t* error) {
    std::vector<FoundFile> out;
    if (error) *error = fake::Fail("FindFirstFile") ? kErrorAccessDenied : 0;
    if (error && *error) return out;
    std::wstring dir = ParentOf(pattern), mask = NameOf(pattern);
    if (!DirExists(dir)) return out;
    std::wstring prefix = Fold(dir) + L"\\";
    bool isRoot = dir.size() == 2;
    if (!isRoot && Match(mask, L".")) {
        out.push_back({L".", kAttrDirectory});
        out.push_back({L"..", kAttrDirectory});
    }
    for (const auto& d : W().dirs) {
        if (d.size() > prefix.size() && d.compare(0, prefix.size(), prefix) == 0 &&
            d.find(L'\\', prefix.size()) == std::wstring::npos && Match(mask, d.substr(prefix.size())))
            out.push_back({d.substr(prefix.size()), kAttrDirectory});
    }
    for (const auto& f : W().files) {
        if (f.first.size() > prefix.size() && f.first.compare(0, prefix.size(), prefix) == 0 &&
            f.first.find(L'\\', prefix.size()) == std::wstring::npos) {
            std::wstring name = NameOf(W().fileNames[f.first]);
            if (Match(mask, name)) out.push_back({name, f.second.attributes});
        }
    }
    return out;
}

bool DeleteFile(const std::wstring& path) {
    if (fake::Fail("DeleteFile")) return false;
    auto f = Fold(path);
    auto it = W().files.find(f);
    if (it == W().files.end() || W().undeletable.count(f) || (it->second.attributes & kAttrReadOnly)) return false;
    W().files.erase(it);
    W().fileNames.erase(f);
    return true;
}

bool CreateDirectory(const std::wstring& path) {
    if (fake::Fail("CreateDirectory")) return false;
    std::wstring p = path;
    while (!p.empty() && p.back() == L'\\') p.pop_back();
    if (DirExists(p) || !DirExists(ParentOf(p))) return false;
    W().dirs.insert(Fold(p));
    return true;
}

bool SetFileAttributes(const std::wstring& path, uint32_t attributes) {
    if (fake::Fail("SetFileAttributes")) return false;
    auto it = W().files.find(Fold(path));
    if (it == W().files.end()) return false;
    it->second.attributes = attributes;
    return true;
}

bool CopyFile(const std::wstring& source, const std::wstring& destination) {
    if (fake::Fail("CopyFile")) return false;  // the disk is full: the destination stays as it was
    auto s = W().files.find(Fold(source));
    if (s == W().files.end() || !DirExists(ParentOf(destination))) return false;
    auto d = W().files.find(Fold(destination));
    if (d != W().files.end() && (d->second.attributes & kAttrReadOnly)) return false;
    fake::File copy = s->second;
    W().files[Fold(destination)] = copy;
    W().fileNames[Fold(destination)] = destination;
    return true;
}

bool CreateNewFile(const std::wstring& path) {
    if (fake::Fail("CreateFile")) return false;
    fake::Quiet quiet;
    return !W().files.count(Fold(path)) && WriteWholeFile(path, "");
}

bool AppendToFile(const std::wstring& path, const Ansi& bytes) {
    if (!DirExists(ParentOf(path))) return false;
    // The disk fills: a short write.
    if (fake::Fail("WriteFile (append)")) {
        fake::Quiet quiet;
        AppendToFile(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    auto f = Fold(path);
    auto it = W().files.find(f);
    if (it == W().files.end()) {
        W().files[f] = fake::File{bytes, kAttrNormal};
        W().fileNames[f] = path;
    } else {
        if (it->second.attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem)) return false;
        it->second.bytes += bytes;
    }
    return true;
}

bool ReadWholeFile(const std::wstring& path, Ansi* bytes, uint32_t* error) {
    auto it = W().files.find(Fold(path));
    uint32_t reason = fake::Fail("ReadFile") ? kErrorAccessDenied : it == W().files.end() ? kErrorFileNotFound : 0;
    if (error) *error = reason;
    if (reason) return false;
    *bytes = it->second.bytes;
    return true;
}

bool WriteWholeFile(const std::wstring& path, const Ansi& bytes) {
    if (!DirExists(ParentOf(path))) return false;
    if (fake::Fail("WriteFile")) {  // the disk fills: a short write
        fake::Quiet quiet;
        WriteWholeFile(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    auto f = Fold(path);
    auto it = W().files.find(f);
    if (it != W().files.end() && (it->second.attributes & kAttrReadOnly)) return false;
    W().files[f] = fake::File{bytes, it == W().files.end() ? kAttrNormal : it->second.attributes};
    W().fileNames[f] = path;
    return true;
}

uint32_t GetTempFileName(const std::wstring& directory, const std::wstring& prefix, std::wstring* name) {
    if (fake::Fail("GetTempFileName") || W().tempFileFails || !DirExists(directory)) return 0;
    std::wstring dir = directory;
    if (dir.empty() || dir.back() != L'\\') dir += L'\\';
    for (;;) {
        uint32_t n = ++W().tempCounter & 0xFFFF;
        wchar_t hex[8];
        swprintf(hex, 8, L"%X", n);
        std::wstring candidate = dir + prefix.substr(0, 3) + hex + L".TMP";
        if (W().files.count(Fold(candidate))) continue;
        W().files[Fold(candidate)] = fake::File{};
        W().fileNames[Fold(candidate)] = candidate;
        *name = candidate;
        return n;
    }
}

uint32_t GetShortPathName(const std::wstring& path, uint32_t bufferChars, std::wstring* out) {
    if (fake::Fail("GetShortPathName")) return 0;
    std::wstring p = path;
    while (p.size() > 3 && p.back() == L'\\') p.pop_back();
    if (!W().files.count(Fold(p)) && !DirExists(p)) return 0;
    // Each long component becomes its first six characters (blanks dropped) and "~1".
    std::wstring shortPath, part;
    auto flush = [&]() {
        std::wstring compact;
        for (wchar_t c : part)
            if (c != L' ') compact += c;
        if (compact.size() > 8 || compact.size() != part.size()) compact = Fold(compact.substr(0, 6)) + L"~1";
        shortPath += compact;
        part.clear();
    };
    for (wchar_t c : path) {
        if (c == L'\\') {
            flush();
            shortPath += L'\\';
        } else {
            part += c;
        }
    }
    flush();
    if (shortPath.size() + 1 > bufferChars) return static_cast<uint32_t>(shortPath.size() + 1);
    *out = shortPath;
    return static_cast<uint32_t>(shortPath.size());
}

bool GetDiskFreeSpace(const std::wstring&, DiskFree* out) {
    if (fake::Fail("GetDiskFreeSpace") || W().diskFreeFails) return false;
    *out = W().disk;
    return true;
}

bool VolumeKeepsAcls(const std::wstring&) { return !fake::Fail("GetVolumeInformation") && W().volumeAcls; }
Owner FileOwner(const std::wstring& path) {
    if (fake::Fail("GetFileSecurity") || W().ownerUnreadable.count(Fold(path))) return Owner::Unknown;
    return W().foreignOwned.count(Fold(path)) ? Owner::Other : Owner::Ours;
}
bool RestrictToAdministrators(const std::wstring& path, bool, uint32_t* error) {
    *error = fake::Fail("SetFileSecurity") ? kErrorAccessDenied : 0;
    if (!*error) W().restricted.push_back(path);
    return !*error;
}

}  // namespace sys
