// The options of pages 2 and 4, kept as one table: each row an option image
// and the text beside it, with the click that either raises. This module owns
// what the rows share: which face shows the choice, the keys of a page's
// group and where its focus rests.
#pragma once

#include <cstdint>

#include "platform/ui/Ui.h"

namespace OptionGroups {

struct Row {
    int16_t page;
    const wchar_t* option;  // the image with the face, as the click handlers name it
    const wchar_t* text;    // its text, which takes the focus
    void (*click)();        // frmMain's handler of both
};

// Connects a control created at run time that is an option or an option's
// text: its click, and on a text the keys of the group. False for any other.
bool Attach(ui::Control& control);

// The faces of `option`'s page: "selected" on it, "not selected" on the other
// enabled options (a disabled one keeps the face it has, grey since its
// build). The page's one tab stop is then the chosen option's text, or the
// first usable option's when the chosen one is disabled; the focus follows
// when it was in the group.
void ShowChosen(ui::Control& option);

// A key on the text with the focus: Up/Left and Down/Right click the
// previous or next usable option of the page, as the mouse would (nothing
// past either end), Space the option of the text. False for any other key.
bool Key(ui::Control& text, int key);

// The page's options take the focus (as the page opens).
void Focus();

}  // namespace OptionGroups
