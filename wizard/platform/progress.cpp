#include "platform/progress.h"

#include <cmath>
#include <string>

namespace progress {

void ShowProgress(ui::Control& bar, int16_t& value, int16_t min, int16_t max) {
    if (!(min <= value && value <= max && min < max)) return;
    // Whole part of 100 * (value - min) / (max - min); never negative here.
    int32_t percent = 100 * (int32_t{value} - min) / (int32_t{max} - min);
    value = static_cast<int16_t>(percent);
    bar.SetAccessibleValue(std::to_wstring(percent) + L" %");
    bar.Cls();
    if (percent <= 0) return;
    float scaleWidth = bar.ScaleWidth(), scaleHeight = bar.ScaleHeight();
    // Single precision, rounded to the nearest whole number with halves to
    // even. Each step is stored as a float: the x87 of the i686 build would
    // keep the quotient in extended precision and round only once (407 px at
    // 50 %: 4.05 x 50 gives 202 there, 203 in floats).
    volatile float step = (scaleWidth - 2.0f) / 100.0f;
    volatile float exact = step * static_cast<float>(percent);
    float w = std::nearbyint(static_cast<float>(exact));
    bar.LineBox(0, 0, w + 1, scaleHeight - 1, kBarColor, true);
    std::wstring label = std::to_wstring(percent) + L" %";
    // The text goes at half the height less 100; where that lies outside the
    // bar (any bar lower than about 200 pixels) it is centred vertically.
    float y = scaleHeight / 2 - 100;
    float textHeight = bar.TextHeight(label);
    if (y < 0 || y + textHeight > scaleHeight) y = (scaleHeight - textHeight) / 2;
    bar.SetCurrentX(scaleWidth / 2 - 3);
    bar.SetCurrentY(y);
    bar.Print(label);
}

}  // namespace progress
