#include "localisation/Functions.h"

#include "core/RunState.h"
#include "platform/sys/Locale.h"

namespace Functions {

void SetLabelText(ui::Control& label, const std::wstring& text, ui::Form& form) {
    if (!label.IsAlive()) return;
    label.SetFontName(L"Arial");
    ui::Font measure = form.GetFont();
    measure.name = label.GetFont().name;
    measure.bold = label.GetFont().bold;
    measure.italic = label.GetFont().italic;
    measure.size = label.GetFont().size;
    measure.charset = TextCharset();
    form.SetFont(measure);
    label.SetFontCharset(measure.charset);
    float size = label.GetFont().size;
    while (form.TextWidth(text) > label.Width() && size - 1 >= kMinFontSize) {
        size -= 1;
        label.SetFontSize(size);
        form.SetFontSize(size);
    }
    label.SetCaption(text);
}

namespace {

// The character set of a code page of the table; false for any other.
bool InTable(const std::wstring& codePage, int16_t* charset) {
    static const struct {
        const wchar_t* codePage;
        int16_t charset;
    } kTable[] = {
        {L"932", 128},   // SHIFTJIS_CHARSET
        {L"936", 134},   // GB2312_CHARSET
        {L"949", 129},   // HANGEUL_CHARSET
        {L"950", 136},   // CHINESEBIG5_CHARSET
        {L"1250", 238},  // EASTEUROPE_CHARSET
        {L"1251", 204},  // RUSSIAN_CHARSET
        {L"1252", 0},    // ANSI_CHARSET
        {L"1253", 161},  // GREEK_CHARSET
        {L"1254", 162},  // TURKISH_CHARSET
        {L"1255", 177},  // HEBREW_CHARSET
        {L"1256", 178},  // ARABIC_CHARSET
        {L"1257", 186},  // BALTIC_CHARSET
    };
    for (const auto& e : kTable)
        if (codePage == e.codePage) {
            *charset = e.charset;
            return true;
        }
    return false;
}

}  // namespace

int16_t CharsetFromCodePage(const std::wstring& codePage) {
    int16_t charset = 0;  // ANSI_CHARSET
    InTable(codePage, &charset);
    return charset;
}

int16_t TextCharset() {
    int16_t charset = 0;
    if (InTable(Rs.SystemCodePage, &charset)) return charset;
    return CharsetFromCodePage(std::to_wstring(sys::GetACP()));
}

void UseTextScript(ui::Control& control) {
    int16_t charset = TextCharset();
    control.SetFontCharset(charset);
    bool ideographs = charset == 128 || charset == 134 || charset == 136;
    control.SetLineBreaks(ideographs ? ui::text::Breaks::BetweenIdeographs : ui::text::Breaks::AtBlanks);
}

}  // namespace Functions
