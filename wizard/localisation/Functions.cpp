#include "localisation/Functions.h"

#include "core/RunState.h"

namespace Functions {

void SetLabelText(ui::Control& label, const std::wstring& text, ui::Form& form) {
    if (!label.IsAlive()) return;
    label.SetFontName(L"Arial");
    ui::Font measure = form.GetFont();
    measure.name = label.GetFont().name;
    measure.bold = label.GetFont().bold;
    measure.italic = label.GetFont().italic;
    measure.size = label.GetFont().size;
    form.SetFont(measure);  // the form keeps its own character set
    label.SetFontCharset(CharsetFromCodePage(Rs.SystemCodePage));
    float size = label.GetFont().size;
    while (form.TextWidth(text) > label.Width() && size - 1 >= kMinFontSize) {
        size -= 1;
        label.SetFontSize(size);
        form.SetFontSize(size);
    }
    label.SetCaption(text);
}

int16_t CharsetFromCodePage(const std::wstring& codePage) {
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
        if (codePage == e.codePage) return e.charset;
    return 0;  // ANSI_CHARSET
}

}  // namespace Functions
