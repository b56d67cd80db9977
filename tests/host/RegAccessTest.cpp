#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "platform/RegAccess.h"
#include "platform/sys/Errors.h"

using namespace RegAccess;

namespace {

class RegAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::MakeKey(kLocalMachine, L"Software");
        fake::MakeKey(kCurrentUser, L"Software");
    }
    void TearDown() override { EXPECT_EQ(fake::W().openKeys, 0) << "a key was left open"; }
};

TEST_F(RegAccessTest, TextOf254CharactersComesBackWholeAnd255GivesTheDefault) {
    fake::SetString(kLocalMachine, L"Software\\T", L"a", std::wstring(254, L'x'));
    fake::SetString(kLocalMachine, L"Software\\T", L"b", std::wstring(255, L'y'));
    EXPECT_EQ(GetText(kLocalMachine, L"Software\\T", L"a", L"def"), std::wstring(254, L'x'));
    EXPECT_EQ(GetText(kLocalMachine, L"Software\\T", L"b", L"def"), L"def");
    EXPECT_EQ(GetText(kLocalMachine, L"Software\\T", L"missing", L"def"), L"def");
    EXPECT_EQ(GetText(kLocalMachine, L"Software\\Nowhere", L"a", L"def"), L"def");
}

TEST_F(RegAccessTest, OpenKeyStripsOneBackslashAtEachEndOnly) {
    fake::SetString(kLocalMachine, L"Software\\T", L"a", L"v");
    EXPECT_EQ(GetText(kLocalMachine, L"\\Software\\T\\", L"a", L"def"), L"v");
    EXPECT_EQ(GetText(kLocalMachine, L"\\\\Software\\T", L"a", L"def"), L"def");
    // KeyExists passes the path as given: a leading backslash is not removed.
    EXPECT_TRUE(KeyExists(false, kLocalMachine, L"Software\\T", L""));
    EXPECT_FALSE(KeyExists(false, kLocalMachine, L"\\Software\\T", L""));
}

TEST_F(RegAccessTest, KeyExistsWithValueTest) {
    fake::SetString(kLocalMachine, L"Software\\T", L"empty", L"");
    fake::SetString(kLocalMachine, L"Software\\T", L"full", L"data");
    EXPECT_TRUE(KeyExists(true, kLocalMachine, L"Software\\T", L"empty"));
    EXPECT_TRUE(KeyExists(true, kLocalMachine, L"Software\\T", L"full"));
    EXPECT_FALSE(KeyExists(true, kLocalMachine, L"Software\\T", L"none"));
    EXPECT_TRUE(KeyExists(false, kLocalMachine, L"Software\\T", L"none"));
}

TEST_F(RegAccessTest, SetValueNeverCreatesAKey) {
    SetText(kLocalMachine, L"Software\\New", L"a", L"v");
    EXPECT_EQ(fake::FindKey(kLocalMachine, L"Software\\New"), nullptr);
    CreateKey(kLocalMachine, L"Software\\New\\Deep");
    SetText(kLocalMachine, L"Software\\New\\Deep", L"a", L"v");
    EXPECT_EQ(fake::StringOf(kLocalMachine, L"Software\\New\\Deep", L"a"), L"v");
}

TEST_F(RegAccessTest, EmptyNameWritesTheDefaultValueAsText) {
    int kind = kKindNumber;
    SetValue(kLocalMachine, L"Software", L"", Value::OfInteger(7), kind);
    EXPECT_EQ(kind, kKindText);
    EXPECT_EQ(fake::StringOf(kLocalMachine, L"Software", L""), L"7");
}

TEST_F(RegAccessTest, NumbersAreStoredAsAbsoluteValuesRoundedHalfToEven) {
    int kind = kKindNumber;
    SetValue(kLocalMachine, L"Software", L"n", Value::OfInteger(-5), kind);
    EXPECT_EQ(fake::FindKey(kLocalMachine, L"Software")->values[L"N"].type, 4u);
    int k = kKindNumber;
    EXPECT_EQ(GetValue(kLocalMachine, L"Software", L"n", k, Value{}).number, 5);
    kind = kKindUnknown;
    SetValue(kLocalMachine, L"Software", L"h", Value::OfFloating(2.5), kind);
    EXPECT_EQ(kind, kKindNumber);
    k = kKindNumber;
    EXPECT_EQ(GetValue(kLocalMachine, L"Software", L"h", k, Value{}).number, 2);
    kind = kKindUnknown;
    SetValue(kLocalMachine, L"Software", L"e", Value{}, kind);
    EXPECT_FALSE(fake::HasValue(kLocalMachine, L"Software", L"e"));
}

TEST_F(RegAccessTest, KindZeroIsLearntFromTheRegistry) {
    fake::SetDword(kLocalMachine, L"Software", L"d", 42);
    int kind = kKindUnknown;
    Value v = GetValue(kLocalMachine, L"Software", L"d", kind, Value::Of(L"x"));
    EXPECT_EQ(kind, kKindNumber);
    EXPECT_EQ(v.number, 42);
    SetValue(kLocalMachine, L"Software", L"b", Value::OfBytes("\1\2"), kind = kKindBytes);
    EXPECT_EQ(GetValue(kLocalMachine, L"Software", L"b", kind, Value::Of(L"x")), Value::OfBytes("\1\2"));
}

// Each way out of an operation closes its key, and the close's status is the
// last one; a key that could not be opened leaves the open's status.
TEST_F(RegAccessTest, EveryWayOutClosesTheKeyAndKeepsTheCloseStatus) {
    fake::SetDword(kLocalMachine, L"Software", L"q", 1);
    fake::FindKey(kLocalMachine, L"Software")->values[fake::Fold(L"q")].type = 11;  // REG_QWORD: no kind
    fake::SetString(kLocalMachine, L"Software", L"long", std::wstring(300, L'x'));
    auto expectClosed = [](const char* what) {
        EXPECT_EQ(fake::W().openKeys, 0) << what;
        EXPECT_EQ(LastStatus(), sys::kErrorSuccess) << what;
    };
    int kind = kKindUnknown;
    EXPECT_EQ(GetValue(kLocalMachine, L"Software", L"q", kind, Value::Of(L"d")), Value{});
    expectClosed("a type that is no kind");
    kind = kKindUnknown;
    EXPECT_EQ(GetValue(kLocalMachine, L"Software", L"missing", kind, Value::Of(L"d")).text, L"d");
    expectClosed("kind asked of a missing value");
    EXPECT_EQ(GetText(kLocalMachine, L"Software", L"long", L"d"), L"d");
    expectClosed("text too long for the buffer");
    EXPECT_FALSE(KeyExists(true, kLocalMachine, L"Software", L"missing"));
    expectClosed("value test that fails");
    CreateKey(kLocalMachine, L"Software\\New");
    expectClosed("created key");

    EXPECT_EQ(GetText(kLocalMachine, L"Software\\Nowhere", L"a", L"d"), L"d");
    EXPECT_EQ(LastStatus(), sys::kErrorFileNotFound);
    EXPECT_FALSE(KeyExists(false, kLocalMachine, L"Software\\Nowhere", L""));
    EXPECT_EQ(LastStatus(), sys::kErrorFileNotFound);
}

TEST_F(RegAccessTest, UnknownRootCodesDoNothing) {
    for (int code : {0, 8}) {
        EXPECT_EQ(GetText(code, L"Software", L"a", L"def"), L"def");
        EXPECT_FALSE(KeyExists(false, code, L"Software", L""));
        CreateKey(code, L"X");
        SetText(code, L"Software", L"a", L"v");
        EXPECT_EQ(EnumKey(code, L"Software").ValueCount, 0);
    }
    EXPECT_FALSE(fake::HasValue(kLocalMachine, L"Software", L"a"));
}

TEST_F(RegAccessTest, KeysThatCannotBeWrittenAreStillRead) {
    fake::SetString(kLocalMachine, L"Software\\Locked", L"a", L"v");
    fake::FindKey(kLocalMachine, L"Software\\Locked")->readOnly = true;
    EXPECT_EQ(GetText(kLocalMachine, L"Software\\Locked", L"a", L"def"), L"v");
    EXPECT_EQ(EnumKey(kLocalMachine, L"Software\\Locked").ValueCount, 1);
    SetText(kLocalMachine, L"Software\\Locked", L"a", L"w");
    EXPECT_EQ(fake::StringOf(kLocalMachine, L"Software\\Locked", L"a"), L"v");
    EXPECT_TRUE(KeyExists(true, kLocalMachine, L"Software\\Locked", L"a"));
    DeleteValue(kLocalMachine, L"Software\\Locked", L"a");
    EXPECT_TRUE(fake::HasValue(kLocalMachine, L"Software\\Locked", L"a"));
}

TEST_F(RegAccessTest, EnumKeyListsValueAndSubKeyNamesInOrder) {
    fake::SetString(kLocalMachine, L"Hardware\\DeviceMap\\SerialComm", L"\\Device\\Serial0", L"COM1");
    fake::SetString(kLocalMachine, L"Hardware\\DeviceMap\\SerialComm", L"\\Device\\Serial1", L"COM2");
    fake::MakeKey(kLocalMachine, L"Hardware\\DeviceMap\\SerialComm\\Sub");
    RegKeyContents c = EnumKey(kLocalMachine, L"Hardware\\DeviceMap\\SerialComm");
    ASSERT_EQ(c.ValueCount, 2);
    EXPECT_EQ(c.ValueNames, (std::vector<std::wstring>{L"\\Device\\Serial0", L"\\Device\\Serial1"}));
    EXPECT_EQ(c.ValueKinds, (std::vector<int32_t>{kKindText, kKindText}));
    EXPECT_EQ(c.SubKeyCount, 1);
    EXPECT_EQ(c.SubKeyNames, std::vector<std::wstring>{L"Sub"});
    EXPECT_EQ(EnumKey(kLocalMachine, L"Hardware\\Nothing").ValueNames.size(), 0u);
}

TEST_F(RegAccessTest, DeleteKeyAndValue) {
    fake::SetString(kCurrentUser, L"RemoteAccess\\Addresses", L"dummy", L"x");
    fake::MakeKey(kCurrentUser, L"RemoteAccess\\Profile\\dummy");
    DeleteValue(kCurrentUser, L"RemoteAccess\\Addresses", L"dummy");
    DeleteKey(kCurrentUser, L"RemoteAccess\\Profile", L"dummy");
    EXPECT_FALSE(fake::HasValue(kCurrentUser, L"RemoteAccess\\Addresses", L"dummy"));
    EXPECT_EQ(fake::FindKey(kCurrentUser, L"RemoteAccess\\Profile\\dummy"), nullptr);
    // Missing items are no error.
    DeleteKey(kCurrentUser, L"RemoteAccess\\Profile", L"dummy");
    DeleteValue(kCurrentUser, L"Nowhere", L"x");
}

}  // namespace
