// The High Contrast setting (user32), alone in its file: a test program that
// defines sys::HighContrastOn itself links its own instead of this one.
#include "platform/sys/Ui.h"
#include "platform/win32/Win32.h"

namespace sys {

bool HighContrastOn() {
    HIGHCONTRASTA hc{};
    hc.cbSize = sizeof(hc);
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace sys
