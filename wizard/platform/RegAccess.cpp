#include "platform/RegAccess.h"

#include <cmath>
#include <limits>

#include "platform/NumberText.h"
#include "platform/sys/Registry.h"

namespace RegAccess {
namespace {

// Keys that are written open with mask 63. Keys that are only read open with
// KEY_READ: on NT, 2000 and XP a user without administrator rights may read
// most of HKEY_LOCAL_MACHINE but not write it, and a read that asked for
// write rights would be refused (the browser version would read empty).
constexpr uint32_t kReadMask = sys::kKeyRead;
constexpr uint32_t kOpenMask = sys::kKeyQueryValue | sys::kKeySetValue | sys::kKeyCreateSubKey |
                               sys::kKeyEnumerateSubKeys | sys::kKeyNotify | sys::kKeyCreateLink;
// A created key is only closed again: it needs no right to read or write.
constexpr uint32_t kCreateMask = sys::kKeyCreateLink;
constexpr uint32_t kTextBuffer = 255;
constexpr uint32_t kNameBuffer = 255;

long Status = 0;
// The status of the last write of a value, which the close does not replace.
long WriteStatus = 0;

// The key an operation has open: closed when the operation ends, on every
// path, with the close's status kept as the last status.
class OpenedKey {
public:
    OpenedKey() = default;
    ~OpenedKey() {
        if (handle_) Status = sys::RegCloseKey(handle_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    // Where the open and create calls put the key (0 when they fail).
    sys::Handle* Out() { return &handle_; }
    sys::Handle Get() const { return handle_; }

private:
    sys::Handle handle_ = 0;
};

sys::Handle Root(int code) {
    switch (code) {
        case kClassesRoot: return sys::RegRootClassesRoot();
        case kCurrentUser: return sys::RegRootCurrentUser();
        case kLocalMachine: return sys::RegRootLocalMachine();
        case kUsers: return sys::RegRootUsers();
        case kCurrentConfig: return sys::RegRootCurrentConfig();
        case kDynData: return sys::RegRootDynData();
        case kPerformanceData: return sys::RegRootPerformanceData();
        default: return 0;
    }
}

// Opens the key with `access` into key; one leading and one trailing
// backslash are dropped. Returns false (and leaves nothing open) on failure.
bool OpenKey(int root, const std::wstring& keyPath, OpenedKey& key, uint32_t access = kOpenMask) {
    std::wstring path = keyPath;
    if (!path.empty() && path.front() == L'\\') path.erase(0, 1);
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    sys::Handle rootKey = Root(root);
    if (!rootKey) {
        Status = sys::kErrorInvalidHandle;
        return false;
    }
    Status = sys::RegOpenKeyEx(rootKey, path, access, key.Out());
    return Status == sys::kErrorSuccess;
}

int KindOfType(uint32_t type) {
    switch (type) {
        case sys::kRegSz:
        case sys::kRegExpandSz:
        case sys::kRegMultiSz: return kKindText;
        case sys::kRegDword:
        case sys::kRegDwordBigEndian: return kKindNumber;
        case sys::kRegBinary: return kKindBytes;
        default: return kKindUnknown;
    }
}

}  // namespace

long LastStatus() { return Status; }

bool KeyExists(bool checkValue, int root, const std::wstring& keyPath, const std::wstring& valueName) {
    bool result = false;
    sys::Handle rootKey = Root(root);
    OpenedKey key;
    Status = rootKey ? sys::RegOpenKeyEx(rootKey, keyPath, sys::kKeyQueryValue, key.Out()) : sys::kErrorInvalidHandle;
    if (Status == sys::kErrorSuccess) {
        result = true;
        if (checkValue) {
            uint32_t type = 0, size = 0;
            std::string empty;
            Status = sys::RegQueryValueEx(key.Get(), valueName, &type, &empty, &size);
            result = Status == sys::kErrorSuccess || Status == sys::kErrorMoreData;
        }
    }
    return result;
}

void CreateKey(int root, const std::wstring& keyPath) {
    sys::Handle rootKey = Root(root);
    OpenedKey key;
    Status = rootKey ? sys::RegCreateKeyEx(rootKey, keyPath, kCreateMask, key.Out()) : sys::kErrorInvalidHandle;
}

Value GetValue(int root, const std::wstring& keyPath, const std::wstring& valueName, int& kind,
               const Value& defaultValue) {
    Value result = defaultValue;
    OpenedKey key;
    bool open = OpenKey(root, keyPath, key, kReadMask);
    if (kind == kKindUnknown) {
        uint32_t type = 0, size = 0;
        Status = open ? sys::RegQueryValueEx(key.Get(), valueName, &type, nullptr, &size) : Status;
        if (!open || (Status != sys::kErrorSuccess && Status != sys::kErrorMoreData)) return result;
        kind = KindOfType(type);
        if (kind == kKindUnknown) return Value{};
    }
    if (open) {
        if (kind == kKindText) {
            uint32_t type = 0, size = kTextBuffer;
            std::string data;
            Status = sys::RegQueryValueEx(key.Get(), valueName, &type, &data, &size);
            if (Status == sys::kErrorSuccess) {
                // The text up to its first NUL: drivers store REG_SZ values
                // without the terminator, whose last character is text then.
                data.resize(std::min<size_t>(data.size(), size));
                data.resize(std::min(data.size(), data.find('\0')));
                result = Value::Of(sys::FromAnsi(data));
            }
        } else if (kind == kKindNumber) {
            uint32_t type = 0, size = 4;
            std::string data;
            Status = sys::RegQueryValueEx(key.Get(), valueName, &type, &data, &size);
            if (Status == sys::kErrorSuccess && data.size() >= 4) {
                uint32_t v = 0;
                for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(data[i]);
                if (type == sys::kRegDwordBigEndian)
                    v = (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
                result = Value::OfInteger(static_cast<int32_t>(v));
            }
        } else if (kind == kKindBytes) {
            uint32_t type = 0, size = 0;
            Status = sys::RegQueryValueEx(key.Get(), valueName, &type, nullptr, &size);
            std::string data;
            if (Status == sys::kErrorSuccess) Status = sys::RegQueryValueEx(key.Get(), valueName, &type, &data, &size);
            if (Status == sys::kErrorSuccess) result = Value::OfBytes(data.substr(0, size));
        }
    }
    return result;
}

void SetValue(int root, const std::wstring& keyPath, const std::wstring& valueName, const Value& value, int& kind) {
    OpenedKey key;
    WriteStatus = -1;  // nothing written: a kind that is refused
    if (!OpenKey(root, keyPath, key)) {
        WriteStatus = Status;
        return;
    }
    if (valueName.empty()) kind = kKindText;
    if (kind == kKindUnknown) {
        switch (value.type) {
            case Value::Type::Empty: break;
            case Value::Type::Integer:
            case Value::Type::Floating:
            case Value::Type::Boolean: kind = kKindNumber; break;
            case Value::Type::Text: kind = kKindText; break;
            case Value::Type::Bytes: break;  // refused
        }
    }
    if (kind == kKindText) {
        std::wstring text = value.text;
        if (value.type != Value::Type::Text && value.type != Value::Type::Empty) {
            text = NumberText::General(value.number, 15);
        }
        WriteStatus = Status =
            sys::RegSetValueEx(key.Get(), valueName, sys::kRegSz, sys::ToAnsi(text) + std::string(1, '\0'));
    } else if (kind == kKindNumber) {
        double n = value.type == Value::Type::Text ? NumberText::Parse(value.text) : value.number;
        n = std::nearbyint(std::fabs(n));  // current rounding mode: halves to even
        if (n <= static_cast<double>(std::numeric_limits<int32_t>::max())) {
            uint32_t v = static_cast<uint32_t>(n);
            std::string data(4, '\0');
            for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
            WriteStatus = Status = sys::RegSetValueEx(key.Get(), valueName, sys::kRegDword, data);
        }
    } else if (kind == kKindBytes && value.type == Value::Type::Bytes) {
        WriteStatus = Status = sys::RegSetValueEx(key.Get(), valueName, sys::kRegBinary, value.bytes);
    }
}

void DeleteValue(int root, const std::wstring& keyPath, const std::wstring& valueName) {
    OpenedKey key;
    if (OpenKey(root, keyPath, key)) Status = sys::RegDeleteValue(key.Get(), valueName);
}

void DeleteKey(int root, const std::wstring& parentPath, const std::wstring& subKeyName) {
    OpenedKey key;
    if (OpenKey(root, parentPath, key)) Status = sys::RegDeleteKey(key.Get(), subKeyName);
}

RegKeyContents EnumKey(int root, const std::wstring& keyPath) {
    RegKeyContents c;
    OpenedKey key;
    if (!OpenKey(root, keyPath, key, kReadMask)) return c;
    uint32_t subKeys = 0, values = 0;
    Status = sys::RegQueryInfoKey(key.Get(), &subKeys, &values);
    if (Status == sys::kErrorSuccess) {
        c.SubKeyCount = static_cast<int32_t>(subKeys);
        c.ValueCount = static_cast<int32_t>(values);
        for (uint32_t i = 0; i < subKeys; ++i) {
            std::wstring name;
            Status = sys::RegEnumKeyEx(key.Get(), i, kNameBuffer, &name);
            if (Status != sys::kErrorSuccess && Status != sys::kErrorMoreData) break;
            c.SubKeyNames.push_back(name);
        }
        for (uint32_t i = 0; i < values; ++i) {
            std::wstring name;
            uint32_t type = 0;
            Status = sys::RegEnumValue(key.Get(), i, kNameBuffer, &name, &type);
            if (Status != sys::kErrorSuccess && Status != sys::kErrorMoreData) break;
            c.ValueNames.push_back(name);
            c.ValueKinds.push_back(KindOfType(type));
            c.ValueData.push_back(Value{});
        }
    }
    return c;
}

std::wstring GetText(int root, const std::wstring& keyPath, const std::wstring& valueName,
                     const std::wstring& defaultText) {
    int kind = kKindText;
    Value v = GetValue(root, keyPath, valueName, kind, Value::Of(defaultText));
    return v.text;
}

long SetText(int root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& text) {
    int kind = kKindText;
    SetValue(root, keyPath, valueName, Value::Of(text), kind);
    return WriteStatus;
}

}  // namespace RegAccess
