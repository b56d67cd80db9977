// The search for the phone on the virtual COM port of an infrared link.
#pragma once

#include <string>

namespace GetIRDADevice {

// Up to ten probes, counting the failed attempts in the page text (language
// string 2007). Found: ComPort and ModemName ("GPRS via IRDA"); otherwise
// both keep their values. Forward is shown again either way.
void DetectIrDAModem();

// Language string 2007 with every "(%s)" replaced by the attempt's number.
std::wstring AttemptText(int attempt);

}  // namespace GetIRDADevice
