// The registry module against the real registry. RegAccess::LastStatus()
// shows why an open failed (after a successful one it holds the close's
// status); raw reads start from 0xdeadbeef, so a type or size that the call
// did not write shows as such. Where Windows 9x
// and NT answer differently, both answers are named: the wizard relies only
// on what they share.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "platform/RegAccess.h"

using namespace RegAccess;

namespace {

const wchar_t* const kBase = L"Software\\WizardTests";
const DWORD kMarker = 0xdeadbeef;

// One RegQueryValueExA of HKCU\Software\WizardTests, every output
// prefilled with a marker: into a buffer of bufferSize (at most 8) bytes, or
// without a buffer, a size query that starts from 0xdeadbeef.
struct RawValue {
    LONG status = static_cast<LONG>(kMarker);
    DWORD type = kMarker;
    DWORD size = kMarker;
    BYTE data[8];
};
constexpr DWORD kNoBuffer = 0xffffffff;

RawValue Raw(const char* name, DWORD bufferSize = 8) {
    RawValue v;
    std::memset(v.data, 0xbd, sizeof v.data);
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\WizardTests", 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return v;
    bool buffer = bufferSize != kNoBuffer;
    if (buffer) v.size = bufferSize;
    v.status = RegQueryValueExA(k, name, nullptr, &v.type, buffer ? v.data : nullptr, &v.size);
    RegCloseKey(k);
    return v;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Wipe(); }
    void TearDown() override { Wipe(); }
    // Deepest first: NT refuses to delete a key with subkeys (9x takes the
    // whole tree), so this order clears both.
    static void Wipe() {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteKeyA(root, "Software\\WizardTests\\Sub\\Deep");
            RegDeleteKeyA(root, "Software\\WizardTests\\Sub");
            RegDeleteKeyA(root, "Software\\WizardTests");
        }
    }
};

TEST_F(RegistryTest, TextRoundTripAndTheBufferOf255Bytes) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, kBase, L"a", std::wstring(254, L'x'));
    SetText(kCurrentUser, kBase, L"b", std::wstring(255, L'y'));
    SetText(kCurrentUser, kBase, L"c", L"");
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"a", L"def"), std::wstring(254, L'x'));
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"b", L"def"), L"def");
    // 255 characters and the NUL: more than the wizard's 255 bytes. A short
    // buffer gets "more data" and the size the value needs.
    RawValue b = Raw("b");
    EXPECT_EQ(b.status, ERROR_MORE_DATA);
    EXPECT_EQ(b.size, 256u);
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"c", L"def"), L"");
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"missing", L"def"), L"def");
    EXPECT_EQ(GetText(kCurrentUser, L"Software\\WizardTests\\None", L"a", L"def"), L"def");
    EXPECT_EQ(LastStatus(), ERROR_FILE_NOT_FOUND);
    // The stored text holds its NUL, which the size counts.
    RawValue c = Raw("c");
    EXPECT_EQ(c.status, ERROR_SUCCESS);
    EXPECT_EQ(c.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(c.size, 1u);
    EXPECT_EQ(c.data[0], 0);
    EXPECT_EQ(c.data[1], 0xbd) << "written beyond the value";
}

TEST_F(RegistryTest, OpenKeyDropsOneBackslashAtEachEndButKeyExistsDoesNot) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, L"\\Software\\WizardTests\\", L"v", L"1");
    EXPECT_EQ(GetText(kCurrentUser, L"\\Software\\WizardTests\\", L"v", L""), L"1");
    EXPECT_TRUE(KeyExists(false, kCurrentUser, kBase, L""));
    // A path that starts with a backslash is refused by either family, for
    // its own reason.
    EXPECT_FALSE(KeyExists(false, kCurrentUser, L"\\Software\\WizardTests", L""));
    EXPECT_TRUE(LastStatus() == ERROR_BAD_PATHNAME /* NT */ || LastStatus() == ERROR_FILE_NOT_FOUND /* 9x */)
        << LastStatus();
}

TEST_F(RegistryTest, KeyExistsWithTheValueTest) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, kBase, L"empty", L"");
    SetText(kCurrentUser, kBase, L"full", L"some data");
    EXPECT_TRUE(KeyExists(true, kCurrentUser, kBase, L"empty"));
    EXPECT_TRUE(KeyExists(true, kCurrentUser, kBase, L"full"));
    EXPECT_FALSE(KeyExists(true, kCurrentUser, kBase, L"none"));
    // The value test reads into a zero-byte buffer: even the empty text, one
    // NUL, answers "more data", which counts as present.
    RawValue empty = Raw("empty", 0);
    EXPECT_EQ(empty.status, ERROR_MORE_DATA);
    EXPECT_EQ(empty.size, 1u);
    EXPECT_EQ(empty.type, static_cast<DWORD>(REG_SZ));
    // A size query of a missing value: NT clears the size, 9x leaves it (and
    // clears the type). The wizard reads neither after a failure.
    RawValue none = Raw("none", kNoBuffer);
    EXPECT_EQ(none.status, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(none.size == 0 /* NT */ || none.size == kMarker /* 9x */) << none.size;
    // With a buffer, every system leaves both the size and the buffer.
    none = Raw("none");
    EXPECT_EQ(none.status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(none.size, sizeof none.data);
    EXPECT_EQ(none.data[0], 0xbd);
}

TEST_F(RegistryTest, SetValueNeverCreatesAKeyCreateKeyMakesTheWholePath) {
    SetText(kCurrentUser, kBase, L"a", L"v");
    EXPECT_EQ(LastStatus(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(KeyExists(false, kCurrentUser, kBase, L""));
    CreateKey(kCurrentUser, L"Software\\WizardTests\\Sub\\Deep");
    EXPECT_EQ(LastStatus(), ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists(false, kCurrentUser, L"Software\\WizardTests\\Sub\\Deep", L""));
    // CreateKey keeps a leading backslash, which only 9x accepts: callers
    // pass paths without one.
    CreateKey(kCurrentUser, L"\\Software\\WizardTests\\Sub");
    EXPECT_TRUE(LastStatus() == ERROR_BAD_PATHNAME /* NT */ || LastStatus() == ERROR_SUCCESS /* 9x */) << LastStatus();
}

TEST_F(RegistryTest, NumbersAreStoredAsAbsoluteDwordsAndTheDefaultValueAsText) {
    CreateKey(kCurrentUser, kBase);
    int kind = kKindNumber;
    SetValue(kCurrentUser, kBase, L"n", Value::OfInteger(-5), kind);
    RawValue n = Raw("n");
    EXPECT_EQ(n.status, ERROR_SUCCESS);
    EXPECT_EQ(n.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(n.size, 4u);
    DWORD number = 0;
    std::memcpy(&number, n.data, 4);
    EXPECT_EQ(number, 5u);
    EXPECT_EQ(n.data[4], 0xbd) << "written beyond the DWORD";
    kind = kKindNumber;
    SetValue(kCurrentUser, kBase, L"", Value::OfInteger(12), kind);
    RawValue def = Raw("");
    EXPECT_EQ(def.status, ERROR_SUCCESS);
    EXPECT_EQ(def.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(def.size, 3u);
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"", L""), L"12");
    kind = kKindUnknown;
    EXPECT_EQ(GetValue(kCurrentUser, kBase, L"n", kind, Value{}).number, 5);
    EXPECT_EQ(kind, kKindNumber);
}

TEST_F(RegistryTest, UnknownRootCodesAreNoOps) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, kBase, L"a", L"v");
    EXPECT_EQ(LastStatus(), ERROR_SUCCESS);
    for (int code : {0, 8}) {
        EXPECT_EQ(GetText(code, kBase, L"a", L"def"), L"def");
        EXPECT_EQ(LastStatus(), ERROR_INVALID_HANDLE) << code;
        EXPECT_FALSE(KeyExists(false, code, kBase, L""));
        DeleteValue(code, kBase, L"a");
    }
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"a", L""), L"v");
}

TEST_F(RegistryTest, EnumKeyDeleteValueAndDeleteKey) {
    CreateKey(kLocalMachine, L"Software\\WizardTests\\Sub");
    SetText(kLocalMachine, kBase, L"\\Device\\Serial0", L"COM1");
    SetText(kLocalMachine, kBase, L"\\Device\\Serial1", L"COM2");
    RegKeyContents c = EnumKey(kLocalMachine, kBase);
    EXPECT_EQ(c.ValueCount, 2);
    ASSERT_EQ(c.ValueNames.size(), 2u);
    EXPECT_EQ(c.ValueNames[0] + c.ValueNames[1], L"\\Device\\Serial0\\Device\\Serial1");
    EXPECT_EQ(c.SubKeyCount, 1);
    EXPECT_EQ(c.SubKeyNames, std::vector<std::wstring>{L"Sub"});
    DeleteValue(kLocalMachine, kBase, L"\\Device\\Serial0");
    EXPECT_FALSE(KeyExists(true, kLocalMachine, kBase, L"\\Device\\Serial0"));
    DeleteKey(kLocalMachine, kBase, L"Sub");
    EXPECT_FALSE(KeyExists(false, kLocalMachine, L"Software\\WizardTests\\Sub", L""));
    EXPECT_EQ(EnumKey(kLocalMachine, L"Software\\WizardTests\\None").ValueCount, 0);
}

}  // namespace
