// The registry module against the real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/RegAccess.h"

using namespace RegAccess;

namespace {

const wchar_t* const kBase = L"Software\\WizardTests";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Wipe(); }
    void TearDown() override { Wipe(); }
    static void Wipe() {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteKeyA(root, "Software\\WizardTests\\Sub\\Deep");
            RegDeleteKeyA(root, "Software\\WizardTests\\Sub");
            RegDeleteKeyA(root, "Software\\WizardTests");
        }
    }
    static DWORD RawType(const char* name, DWORD* data) {
        HKEY k;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\WizardTests", 0, KEY_READ, &k)) return 0;
        DWORD type = 0, size = 4;
        RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(k);
        return type;
    }
};

TEST_F(RegistryTest, TextRoundTripAndTheBufferOf255Bytes) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, kBase, L"a", std::wstring(254, L'x'));
    SetText(kCurrentUser, kBase, L"b", std::wstring(255, L'y'));
    SetText(kCurrentUser, kBase, L"c", L"");
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"a", L"def"), std::wstring(254, L'x'));
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"b", L"def"), L"def");
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"c", L"def"), L"");
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"missing", L"def"), L"def");
    EXPECT_EQ(GetText(kCurrentUser, L"Software\\WizardTests\\None", L"a", L"def"), L"def");
}

TEST_F(RegistryTest, OpenKeyDropsOneBackslashAtEachEndButKeyExistsDoesNot) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, L"\\Software\\WizardTests\\", L"v", L"1");
    EXPECT_EQ(GetText(kCurrentUser, L"\\Software\\WizardTests\\", L"v", L""), L"1");
    EXPECT_TRUE(KeyExists(false, kCurrentUser, kBase, L""));
    EXPECT_FALSE(KeyExists(false, kCurrentUser, L"\\Software\\WizardTests", L""));
}

TEST_F(RegistryTest, KeyExistsWithTheValueTest) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, kBase, L"empty", L"");
    SetText(kCurrentUser, kBase, L"full", L"some data");
    EXPECT_TRUE(KeyExists(true, kCurrentUser, kBase, L"empty"));
    EXPECT_TRUE(KeyExists(true, kCurrentUser, kBase, L"full"));
    EXPECT_FALSE(KeyExists(true, kCurrentUser, kBase, L"none"));
}

TEST_F(RegistryTest, SetValueNeverCreatesAKeyCreateKeyMakesTheWholePath) {
    SetText(kCurrentUser, kBase, L"a", L"v");
    EXPECT_FALSE(KeyExists(false, kCurrentUser, kBase, L""));
    CreateKey(kCurrentUser, L"Software\\WizardTests\\Sub\\Deep");
    EXPECT_TRUE(KeyExists(false, kCurrentUser, L"Software\\WizardTests\\Sub\\Deep", L""));
}

TEST_F(RegistryTest, NumbersAreStoredAsAbsoluteDwordsAndTheDefaultValueAsText) {
    CreateKey(kCurrentUser, kBase);
    int kind = kKindNumber;
    SetValue(kCurrentUser, kBase, L"n", Value::OfInteger(-5), kind);
    DWORD data = 0;
    EXPECT_EQ(RawType("n", &data), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data, 5u);
    kind = kKindNumber;
    SetValue(kCurrentUser, kBase, L"", Value::OfInteger(12), kind);
    EXPECT_EQ(RawType("", &data), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(GetText(kCurrentUser, kBase, L"", L""), L"12");
    kind = kKindUnknown;
    EXPECT_EQ(GetValue(kCurrentUser, kBase, L"n", kind, Value{}).number, 5);
    EXPECT_EQ(kind, kKindNumber);
}

TEST_F(RegistryTest, UnknownRootCodesAreNoOps) {
    CreateKey(kCurrentUser, kBase);
    SetText(kCurrentUser, kBase, L"a", L"v");
    for (int code : {0, 8}) {
        EXPECT_EQ(GetText(code, kBase, L"a", L"def"), L"def");
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
