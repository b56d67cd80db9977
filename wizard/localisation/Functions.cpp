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

using ui::text::Breaks;

// What a code page asks of a text: the font character set that draws it and
// where its lines may break.
struct Script {
    const wchar_t* codePage;
    int16_t charset;
    Breaks breaks;
};

const Script kScripts[] = {
    {L"874", 222, Breaks::AtBlanks},           // THAI_CHARSET: the catalogue marks the words
    {L"932", 128, Breaks::BetweenIdeographs},  // SHIFTJIS_CHARSET
    {L"936", 134, Breaks::BetweenIdeographs},  // GB2312_CHARSET
    {L"949", 129, Breaks::AtBlanks},           // HANGEUL_CHARSET: Korean writes blanks
    {L"950", 136, Breaks::BetweenIdeographs},  // CHINESEBIG5_CHARSET
    {L"1250", 238, Breaks::AtBlanks},          // EASTEUROPE_CHARSET
    {L"1251", 204, Breaks::AtBlanks},          // RUSSIAN_CHARSET
    {L"1252", 0, Breaks::AtBlanks},            // ANSI_CHARSET
    {L"1253", 161, Breaks::AtBlanks},          // GREEK_CHARSET
    {L"1254", 162, Breaks::AtBlanks},          // TURKISH_CHARSET
    {L"1255", 177, Breaks::AtBlanks},          // HEBREW_CHARSET
    {L"1256", 178, Breaks::AtBlanks},          // ARABIC_CHARSET
    {L"1257", 186, Breaks::AtBlanks},          // BALTIC_CHARSET
};
const Script kAnsi{L"", 0, Breaks::AtBlanks};  // any other code page

// The row of a code page of the table; null for any other.
const Script* Find(const std::wstring& codePage) {
    for (const auto& s : kScripts)
        if (codePage == s.codePage) return &s;
    return nullptr;
}

// The script of the texts: that of SystemCodePage where the table knows it,
// otherwise that of the ANSI code page.
const Script& TextScript() {
    if (const Script* s = Find(Rs.SystemCodePage)) return *s;
    const Script* s = Find(std::to_wstring(sys::GetACP()));
    return s ? *s : kAnsi;
}

}  // namespace

int16_t CharsetFromCodePage(const std::wstring& codePage) {
    const Script* s = Find(codePage);
    return s ? s->charset : kAnsi.charset;
}

int16_t TextCharset() { return TextScript().charset; }

void UseTextScript(ui::Control& control, const ui::Font* face) {
    const Script& script = TextScript();
    ui::Font font = face ? *face : control.GetFont();
    font.charset = script.charset;
    control.SetFont(font);
    control.SetLineBreaks(script.breaks);
}

}  // namespace Functions
