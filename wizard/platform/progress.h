// The progress bar of the main window.
#pragma once

#include <cstdint>

#include "platform/ui/Ui.h"

namespace progress {

constexpr ui::Color kBarColor = ui::Rgb(6, 154, 154);

// Draws value (min to max) on the picture box bar as a box growing from the
// left and the percentage followed by " %", and replaces value with the
// percentage. Does nothing when value lies outside min to max or min >= max.
void ShowProgress(ui::Control& bar, int16_t& value, int16_t min, int16_t max);

}  // namespace progress
