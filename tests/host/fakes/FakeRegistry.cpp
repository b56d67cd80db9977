#include <map>

#include "Fakes.h"
#include "platform/sys/Registry.h"
#include "platform/sys/System.h"

using fake::RegKey;
using fake::W;

namespace {

constexpr sys::Handle kRootBase = 0x80000000u;

std::map<sys::Handle, RegKey*>& Open() {
    static std::map<sys::Handle, RegKey*> open;
    return open;
}
sys::Handle gNext = 0x1000;

RegKey* Resolve(sys::Handle h) {
    if (h >= kRootBase && h <= kRootBase + 6) {
        int code = static_cast<int>(h - kRootBase) + 1;
        if (code == 6 || code == 7 || W().roots.count(code)) return &W().roots[code];
        return &W().roots[code];
    }
    auto it = Open().find(h);
    return it == Open().end() ? nullptr : it->second;
}

long Walk(RegKey* base, const std::wstring& sub, bool create, RegKey** out) {
    if (!sub.empty() && sub[0] == L'\\') return sys::kErrorBadPathname;
    RegKey* k = base;
    std::wstring part;
    auto step = [&](const std::wstring& p) -> bool {
        if (p.empty()) return false;
        auto f = fake::Fold(p);
        auto s = k->sub.find(f);
        if (s == k->sub.end()) {
            if (!create) return false;
            auto nk = std::make_unique<RegKey>();
            nk->name = p;
            s = k->sub.emplace(f, std::move(nk)).first;
            k->subOrder.push_back(f);
        }
        k = s->second.get();
        return true;
    };
    for (size_t i = 0; i <= sub.size(); ++i) {
        if (i == sub.size() || sub[i] == L'\\') {
            bool last = i == sub.size() || i + 1 == sub.size();
            if (part.empty() && last) break;  // a trailing backslash is tolerated
            if (!step(part)) return create ? sys::kErrorBadPathname : sys::kErrorFileNotFound;
            part.clear();
        } else {
            part += sub[i];
        }
    }
    *out = k;
    return sys::kErrorSuccess;
}

sys::Handle NewHandle(RegKey* k) {
    sys::Handle h = gNext++;
    Open()[h] = k;
    ++W().openKeys;
    return h;
}

constexpr uint32_t kWriteRights = sys::kKeySetValue | sys::kKeyCreateSubKey | sys::kKeyCreateLink;

}  // namespace

namespace sys {

Handle RegRootClassesRoot() { return kRootBase + 0; }
Handle RegRootCurrentUser() { return kRootBase + 1; }
Handle RegRootLocalMachine() { return kRootBase + 2; }
Handle RegRootUsers() { return kRootBase + 3; }
Handle RegRootCurrentConfig() { return kRootBase + 5; }
Handle RegRootDynData() { return kRootBase + 6; }
Handle RegRootPerformanceData() { return kRootBase + 4; }

long RegOpenKeyEx(Handle root, const std::wstring& subKey, uint32_t access, Handle* out) {
    *out = 0;
    if (fake::Fail("RegOpenKeyEx")) return (access & kWriteRights) ? kErrorAccessDenied : kErrorFileNotFound;
    RegKey* base = Resolve(root);
    if (!base) return kErrorInvalidHandle;
    RegKey* k = nullptr;
    long st = Walk(base, subKey, false, &k);
    if (st) return st;
    bool locked = k->readOnly || (W().normalUser && root == RegRootLocalMachine());
    if (locked && (access & kWriteRights)) return kErrorAccessDenied;
    *out = NewHandle(k);
    return kErrorSuccess;
}

long RegCreateKeyEx(Handle root, const std::wstring& subKey, uint32_t, Handle* out) {
    *out = 0;
    if (fake::Fail("RegCreateKeyEx")) return kErrorAccessDenied;
    RegKey* base = Resolve(root);
    if (!base) return kErrorInvalidHandle;
    if (base->readOnly || (W().normalUser && root == RegRootLocalMachine())) return kErrorAccessDenied;
    RegKey* k = nullptr;
    long st = Walk(base, subKey, true, &k);
    if (st) return st;
    *out = NewHandle(k);
    return kErrorSuccess;
}

long RegCloseKey(Handle key) {
    if (key >= kRootBase && key <= kRootBase + 6) return kErrorSuccess;
    if (!Open().erase(key)) return kErrorInvalidHandle;
    --W().openKeys;
    return kErrorSuccess;
}

long RegQueryValueEx(Handle key, const std::wstring& name, uint32_t* type, std::string* data, uint32_t* size) {
    if (fake::Fail("RegQueryValueEx")) return kErrorFileNotFound;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    auto it = k->values.find(fake::Fold(name));
    if (it == k->values.end()) return kErrorFileNotFound;
    if (type) *type = it->second.type;
    const std::string& b = it->second.bytes;
    uint32_t need = static_cast<uint32_t>(b.size());
    if (!data) {
        if (size) *size = need;
        return kErrorSuccess;
    }
    if (!size || *size < need) {
        if (size) *size = need;
        return kErrorMoreData;
    }
    *data = b;
    *size = need;
    return kErrorSuccess;
}

long RegSetValueEx(Handle key, const std::wstring& name, uint32_t type, const std::string& bytes) {
    if (fake::Fail("RegSetValueEx")) return kErrorAccessDenied;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    auto f = fake::Fold(name);
    if (!k->values.count(f)) k->valueOrder.push_back(name);
    k->values[f] = fake::RegValue{type, bytes};
    return kErrorSuccess;
}

long RegDeleteValue(Handle key, const std::wstring& name) {
    if (fake::Fail("RegDeleteValue")) return kErrorAccessDenied;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    auto f = fake::Fold(name);
    if (!k->values.erase(f)) return kErrorFileNotFound;
    for (auto it = k->valueOrder.begin(); it != k->valueOrder.end(); ++it)
        if (fake::Fold(*it) == f) {
            k->valueOrder.erase(it);
            break;
        }
    return kErrorSuccess;
}

long RegDeleteKey(Handle key, const std::wstring& subKey) {
    if (fake::Fail("RegDeleteKey")) return kErrorAccessDenied;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    auto f = fake::Fold(subKey);
    auto it = k->sub.find(f);
    if (it == k->sub.end()) return kErrorFileNotFound;
    // The NT family refuses to delete a key that has sub-keys; 9x removes the tree.
    if (!it->second->sub.empty() && W().version.platformId == kPlatformNT) return kErrorAccessDenied;
    k->sub.erase(it);
    for (auto o = k->subOrder.begin(); o != k->subOrder.end(); ++o)
        if (*o == f) {
            k->subOrder.erase(o);
            break;
        }
    return kErrorSuccess;
}

long RegQueryInfoKey(Handle key, uint32_t* subKeys, uint32_t* values) {
    if (fake::Fail("RegQueryInfoKey")) return kErrorAccessDenied;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    if (subKeys) *subKeys = static_cast<uint32_t>(k->sub.size());
    if (values) *values = static_cast<uint32_t>(k->values.size());
    return kErrorSuccess;
}

long RegEnumKeyEx(Handle key, uint32_t index, uint32_t nameBuffer, std::wstring* name) {
    if (fake::Fail("RegEnumKeyEx")) return kErrorAccessDenied;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    if (index >= k->subOrder.size()) return kErrorNoMoreItems;
    const std::wstring& n = k->sub[k->subOrder[index]]->name;
    if (n.size() + 1 > nameBuffer) return kErrorMoreData;
    *name = n;
    return kErrorSuccess;
}

long RegEnumValue(Handle key, uint32_t index, uint32_t nameBuffer, std::wstring* name, uint32_t* type) {
    if (fake::Fail("RegEnumValue")) return kErrorAccessDenied;
    RegKey* k = Resolve(key);
    if (!k) return kErrorInvalidHandle;
    if (index >= k->valueOrder.size()) return kErrorNoMoreItems;
    const std::wstring& n = k->valueOrder[index];
    if (n.size() + 1 > nameBuffer) return kErrorMoreData;
    *name = n;
    if (type) *type = k->values[fake::Fold(n)].type;
    return kErrorSuccess;
}

}  // namespace sys
