// Reference rendering for the GUI tests: draws the texts that a window of the
// wizard should show, in the same fonts and places, on a plain white window at
// the place of a centred dialog. The test compares the text pixels of both.
//   textref page1 DLL   page 1 with the texts of language library DLL
//   textref message     message 9999 without a language library, "&OK"
// The texts are taken here on their own (LoadStringW, GetLocaleInfoA), not
// through the wizard's lookup. Runs until the test ends the prefix.
#include <string>

#include "dialogs/FormParts.h"
#include "localisation/Functions.h"
#include "platform/ui/Ui.h"
#include "platform/win32/Win32.h"

namespace {

std::wstring Replace(std::wstring text, const std::wstring& from, const std::wstring& to) {
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The placeholders that the texts of page 1 may use.
std::wstring Filled(std::wstring text) {
    text = Replace(text, L"\\n", L"\r\n");
    text = Replace(text, L"kundel", L"Valmor GPRS");
    return Replace(text, L"kundek", L"VLMGPRS");
}

std::wstring LibraryString(HMODULE library, UINT id) {
    wchar_t buffer[2048];
    int n = LoadStringW(library, id, buffer, 2048);
    return n > 0 ? std::wstring(buffer, static_cast<size_t>(n)) : std::wstring();
}

std::wstring Country() {
    char buffer[256] = "";
    GetLocaleInfoA(GetSystemDefaultLCID(), LOCALE_SENGCOUNTRY, buffer, sizeof buffer);
    std::string s(buffer);
    return std::wstring(s.begin(), s.end());
}

ui::Form& Window() {
    static ui::Form form(L"textref");
    return form;
}

void Caption(const wchar_t* name, float left, float top, const std::wstring& text) {
    ui::Form& f = Window();
    Functions::SetLabelText(FormParts::Caption(f, name, nullptr, left, top), text, f);
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    ui::Form& f = Window();
    f.OnDesign = [](ui::Form& form) { FormParts::DesignDialog(form, L"textref"); };
    f.Load();
    f.SetBackColor(ui::kWhite);
    if (mode == "page1" && argc > 2) {
        HMODULE library = LoadLibraryExA(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!library) return 2;
        FormParts::Text(f, L"Label", nullptr, 24, 112, 409, 217).SetAlignment(ui::kAlignCenter);
        f.Item(L"Label").SetCaption(Filled(LibraryString(library, 2000)));
        Caption(L"lblCancel", 132, 365, Filled(LibraryString(library, 2)));
        Caption(L"lblForward", 232, 365, Filled(LibraryString(library, 1)));
    } else if (mode == "message") {
        FormParts::Text(f, L"Label", nullptr, 30, 112, 409, 217).SetAlignment(ui::kAlignCenter);
        f.Item(L"Label").SetCaption(L"This version of Valmor GPRS Quelnet is not working on " + Country() +
                                    L" Windows versions. \r\n\r\nPlease contact customer service.");
        Caption(L"lblOk", 182, 345, L"&OK");
    } else {
        return 1;
    }
    f.Show();
    SetWindowPos(reinterpret_cast<HWND>(f.Handle()), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
