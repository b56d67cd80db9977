// The modem port probe: opens COM ports one after another, sends an
// identification command and accepts the port whose reply names the phone.
#pragma once

#include <cstdint>

#include "Serial.h"

// The export is stdcall on 32-bit Windows (its name carries "@40").
#if defined(_WIN32) && defined(__i386__)
#define KTMODEM_CALL __attribute__((stdcall))
#else
#define KTMODEM_CALL
#endif

// Exported as "_detectModemPort@40". Returns the first port on which the phone
// answered, 0 if none. The strings are only read; a null string counts as
// empty. preferredPort is one number, that port first and then COM1 to COM9
// without it (a null one: COM1 to COM9), or a list of numbers separated by
// commas, exactly those ports in that order, each once ("1,2,...,9,12"; "3,"
// is COM3 alone). A library that predates the list reads its first number.
extern "C" int32_t KTMODEM_CALL detectModemPort(const char* preferredPort, const char* baudRate,
                                                const char* readTimeout, const char* writeTimeout,
                                                const char* idCommand, const char* match1, const char* match2,
                                                const char* match3, const char* followUp1, const char* followUp2);

namespace ktmodem {

// Longest command that fits the 512-byte buffer with CR LF and the NUL.
const uint32_t kMaxCommand = 509;
// Most bytes one read returns; a reply buffer holds that many plus the NUL.
const uint32_t kMaxReply = 512;
const uint32_t kReplyBufferSize = kMaxReply + 1;
// How long a command waits for CTS, and how often it looks.
const uint32_t kCtsWaitMs = 2000;
const uint32_t kCtsPollMs = 10;
// A command's reply is read within the time of one read that receives
// nothing: kMaxReply + 1 read time-outs.
const uint32_t kReplySlots = kMaxReply + 1;
// After a reply that is the command's echo alone the answer is awaited this
// many read time-outs from the echo's last byte (1.5 s for 10 ms): a phone
// answers within a second of its echo, a loopback plug never does.
const uint32_t kEchoSlots = 150;
// "\\.\COM-2147483648" and its NUL fit.
const uint32_t kPortNameSize = 24;

// Reads a decimal number as atoi does: white space, a sign, digits up to the
// first other character; no digits give 0. Values beyond 32 bits wrap.
int32_t readNumber(const char* text);

// Whether pattern occurs in text with the ASCII letters A-Z folded to a-z
// (other bytes, also those above 127, compare as they are). An empty pattern
// occurs in every text.
bool containsNoCase(const char* text, const char* pattern);

// GetCommState, the line settings, SetCommState; GetCommTimeouts, the
// time-outs, SetCommTimeouts. Every other field stays as the driver had it.
bool configurePort(comm::Handle port, int32_t speed, int32_t readTimeout, int32_t writeTimeout);

// Opens "COM<n>" (n 1 to 9), or "\\.\COM<n>" (any other n), exclusively into
// out and configures it; out closes it when its scope ends, also after a
// failure.
bool openPort(int32_t port, int32_t speed, int32_t readTimeout, int32_t writeTimeout, comm::Port& out);

// What a reply is expected to hold: any of up to three texts, in any case or
// exactly as written. A null text counts as empty and occurs in every reply.
struct Expected {
    const char* texts[3];
    bool anyCase;
};

// Sends command + CR LF once CTS is on and reads the reply into reply
// (kReplyBufferSize bytes, may be null): at least two bytes, and read on until
// it holds an expected text or a final result line (OK, ERROR, NO CARRIER,
// +CME ERROR, or the numeric 0, 4, 3), within readTimeout x 513 ms of the
// write, and within kEchoSlots read time-outs of a reply that is the echo
// alone. Commands longer than kMaxCommand are refused before the port is
// touched.
bool sendCommand(comm::Handle port, const char* command, int32_t readTimeout, const Expected& expected, char* reply);

// 1 when the phone answered on this port (and the follow-ups with "OK"), else 0.
// The port is closed again on every path.
int32_t probePort(int32_t port, int32_t speed, int32_t readTimeout, int32_t writeTimeout, const char* idCommand,
                  const char* match1, const char* match2, const char* match3, const char* followUp1,
                  const char* followUp2);

}  // namespace ktmodem
