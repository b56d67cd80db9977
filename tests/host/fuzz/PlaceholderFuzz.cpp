// Placeholder expansion of GetLanguageString: any language text, any product
// strings, drive, country and disk-space numbers.
#include "FuzzInput.h"
#include "TestSupport.h"
#include "localisation/ResHandling.h"

namespace {

const sys::Handle kLibrary = 0x4C0;

bool Contains(const std::wstring& s, const wchar_t* what) { return s.find(what) != std::wstring::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (testsupport::FreshWorld(), true);
    (void)ready;
    fuzz::Input in(data, size);
    int16_t id = static_cast<int16_t>(in.U32());
    if (id == 9999) id = 2000;  // message 9999 comes from the program's table
    std::wstring text = in.Text();
    fake::W().modules[kLibrary].strings = {{static_cast<uint16_t>(id), text}};
    fake::W().decimalSeparator = in.Byte() & 1 ? L"," : L".";
    ResetRunState();
    Rs.LanguageLibrary = kLibrary;
    Rs.ProductName = in.Text();
    Rs.ProductCode = in.Text();
    Rs.WindowsDrive = in.Text();
    Rs.CountryName = in.Text();
    Rs.FreeDiskSpace = in.Double();
    Rs.RequiredDiskSpace = in.Double();

    std::wstring out = ResHandling::GetLanguageString(id);

    // The numbers come last and are plain numbers: no %d or %r survives.
    fuzz::Check(!Contains(out, L"%d") && !Contains(out, L"%r"), "a disk-space placeholder survived");
    // A text without any placeholder arrives as it is, cut to 2047 characters.
    static const wchar_t* const kMarks[] = {L"\\n", L"kundel", L"kundek", L"%w", L"flang", L"%d", L"%r"};
    bool plain = true;
    for (const wchar_t* m : kMarks) plain = plain && !Contains(text, m);
    if (plain) fuzz::Check(out == text.substr(0, 2047), "a text without placeholders changed");
    return 0;
}
