// The wizard's one way to the registry: root keys by code, key paths as text,
// no error ever reaches the caller and no key stays open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/Types.h"

namespace RegAccess {

// Root codes.
constexpr int kClassesRoot = 1;
constexpr int kCurrentUser = 2;
constexpr int kLocalMachine = 3;
constexpr int kUsers = 4;
constexpr int kCurrentConfig = 5;
constexpr int kDynData = 6;
constexpr int kPerformanceData = 7;

// Value kinds.
constexpr int kKindUnknown = 0;
constexpr int kKindText = 1;
constexpr int kKindNumber = 2;
constexpr int kKindBytes = 3;

// The variant a value travels in.
struct Value {
    enum class Type { Empty, Text, Integer, Floating, Boolean, Bytes };
    Type type = Type::Empty;
    std::wstring text;
    double number = 0;
    std::string bytes;

    static Value Of(const std::wstring& t) { return Value{Type::Text, t, 0, {}}; }
    static Value OfInteger(double n) { return Value{Type::Integer, {}, n, {}}; }
    static Value OfFloating(double n) { return Value{Type::Floating, {}, n, {}}; }
    static Value OfBoolean(bool b) { return Value{Type::Boolean, {}, b ? -1.0 : 0.0, {}}; }
    static Value OfBytes(const std::string& b) { return Value{Type::Bytes, {}, 0, b}; }
    bool operator==(const Value& o) const {
        return type == o.type && text == o.text && number == o.number && bytes == o.bytes;
    }
};

struct RegKeyContents {
    std::vector<std::wstring> ValueNames;
    std::vector<Value> ValueData;
    std::vector<int32_t> ValueKinds;
    std::vector<std::wstring> SubKeyNames;
    int32_t ValueCount = 0;
    int32_t SubKeyCount = 0;
};

bool KeyExists(bool checkValue, int root, const std::wstring& keyPath, const std::wstring& valueName);
void CreateKey(int root, const std::wstring& keyPath);
Value GetValue(int root, const std::wstring& keyPath, const std::wstring& valueName, int& kind,
               const Value& defaultValue);
void SetValue(int root, const std::wstring& keyPath, const std::wstring& valueName, const Value& value, int& kind);
void DeleteValue(int root, const std::wstring& keyPath, const std::wstring& valueName);
void DeleteKey(int root, const std::wstring& parentPath, const std::wstring& subKeyName);
RegKeyContents EnumKey(int root, const std::wstring& keyPath);

// Text shorthands for the wizard's callers, which all pass kind 1.
std::wstring GetText(int root, const std::wstring& keyPath, const std::wstring& valueName,
                     const std::wstring& defaultText);
// SetText gives the status of the write itself (0: written), where
// LastStatus holds the close's.
long SetText(int root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& text);

// The status of the last registry call.
long LastStatus();

}  // namespace RegAccess
