// Registry and INI values at and past the sizes of their read buffers: text
// values of up to 65535 bytes of every registry type, and INI values around
// the 2048-character buffer, read through RegAccess and IniHand.
#include <string>

#include "FuzzInput.h"
#include "TestSupport.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::map<uint32_t, std::wstring> config = (testsupport::FreshWorld(), fake::W().modules[0].strings);
    fake::Reset();
    ResetRunState();
    fake::W().modules[0].strings = config;
    fuzz::Input in(data, size);

    const wchar_t* const kKey = L"Software\\Valmor GPRS";
    static const uint32_t kTypes[] = {1, 2, 7, 4, 5, 3, 0, 11};
    fake::RegValue value;
    value.type = kTypes[in.Byte() % 8];
    value.bytes = in.Bytes();
    fake::MakeKey(RegAccess::kLocalMachine, kKey).values[fake::Fold(L"Value")] = value;
    fake::MakeKey(RegAccess::kLocalMachine, kKey).valueOrder.push_back(L"Value");

    const std::wstring def = L"<default>";
    std::wstring text = RegAccess::GetText(RegAccess::kLocalMachine, kKey, L"Value", def);
    bool textType = value.type == 1 || value.type == 2 || value.type == 7;
    if (value.bytes.size() > 255) fuzz::Check(text == def, "a text of more than 255 bytes was read");
    if (text != def) fuzz::Check(text.size() <= 254, "a text longer than its buffer");
    (void)textType;
    int kind = in.Byte() % 4;
    RegAccess::Value v = RegAccess::GetValue(RegAccess::kLocalMachine, kKey, L"Value", kind, RegAccess::Value::Of(def));
    fuzz::Check(kind >= 0 && kind <= 3, "a kind outside the table");
    RegAccess::RegKeyContents c = RegAccess::EnumKey(RegAccess::kLocalMachine, kKey);
    fuzz::Check(c.ValueNames.size() <= 1 && c.ValueCount == 1, "EnumKey miscounts one value");
    fuzz::Check(fake::W().openKeys == 0, "a registry key stayed open");

    // Numbers written as text (the %.15g form) and texts written as numbers.
    int textKind = RegAccess::kKindText, numberKind = RegAccess::kKindNumber;
    RegAccess::SetValue(RegAccess::kLocalMachine, kKey, L"Number", RegAccess::Value::OfFloating(in.Double()), textKind);
    fuzz::Check(RegAccess::GetText(RegAccess::kLocalMachine, kKey, L"Number", def).size() <= 24,
                "a number written as more than 24 characters");
    RegAccess::SetValue(RegAccess::kLocalMachine, kKey, L"Dword", RegAccess::Value::Of(in.Text()), numberKind);
    if (fake::HasValue(RegAccess::kLocalMachine, kKey, L"Dword")) {
        const fake::RegValue& d = fake::FindKey(RegAccess::kLocalMachine, kKey)->values[fake::Fold(L"Dword")];
        fuzz::Check(d.type == 4 && d.bytes.size() == 4 && !(d.bytes[3] & 0x80), "a number outside 0..2^31-1 stored");
    }

    // An INI file whose line holds the input's bytes as the value.
    const std::wstring file = L"C:\\TEMP\\values.ini";
    std::string ini = "[Section]\r\nKey=" + in.Bytes() + "\r\n" + in.Rest();
    fake::PutFile(file, ini);
    std::wstring read = IniHand::ReadIni(L"Section", L"Key", L"<none>", file);
    fuzz::Check(read.size() <= 2047, "an INI value longer than its buffer");
    IniHand::WriteIni(L"Section", L"Other", read, file);
    fuzz::Check(IniHand::ReadIni(L"Section", L"Other", L"", file).size() <= 2047, "a written value came back longer");
    return 0;
}
