#include "Probe.h"

// No C library here: the shipped DLL links against kernel32 only.

namespace ktmodem {
namespace {

const char* OrEmpty(const char* s) { return s ? s : ""; }

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether pattern occurs in text, comparing bytes through fold.
template <typename F>
bool Contains(const char* text, const char* pattern, F fold) {
    for (;; ++text) {
        const char* t = text;
        const char* p = pattern;
        while (*p && fold(*t) == fold(*p)) {
            ++t;
            ++p;
        }
        if (!*p) return true;
        if (!*text) return false;
    }
}

// Length of s, counting no further than limit.
uint32_t BoundedLength(const char* s, uint32_t limit) {
    uint32_t n = 0;
    while (n < limit && s[n]) ++n;
    return n;
}

// The device name of a port, for any 32-bit value; out holds kPortNameSize
// bytes. "COM1" to "COM9" as ever; every other number in the device
// namespace, "\\.\COM12": Windows takes a bare "COM12" for a file in the
// current directory (Q115831), on 95 and NT alike.
void FormatPortName(int32_t port, char* out) {
    char digits[10];
    int count = 0;
    uint32_t magnitude = port < 0 ? 0u - static_cast<uint32_t>(port) : static_cast<uint32_t>(port);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (port < 1 || port > 9) {
        *out++ = '\\';
        *out++ = '\\';
        *out++ = '.';
        *out++ = '\\';
    }
    *out++ = 'C';
    *out++ = 'O';
    *out++ = 'M';
    if (port < 0) *out++ = '-';
    while (count) *out++ = digits[--count];
    *out = 0;
}

// Whether the count bytes at s are word, folded.
bool IsWord(const char* s, uint32_t count, const char* word) {
    uint32_t i = 0;
    while (i < count && word[i] && Fold(s[i]) == Fold(word[i])) ++i;
    return i == count && !word[i];
}

// Whether the count bytes at s begin with word, folded.
bool StartsWithWord(const char* s, uint32_t count, const char* word) {
    uint32_t i = 0;
    while (i < count && word[i] && Fold(s[i]) == Fold(word[i])) ++i;
    return !word[i];
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Whether text, line ends left out, is exactly command, line ends left out:
// the echo of the command and nothing else.
bool IsEchoAlone(const char* text, const char* command) {
    for (;;) {
        while (IsLineEnd(*text)) ++text;
        while (IsLineEnd(*command)) ++command;
        if (!*text || !*command) return !*text && !*command;
        if (*text++ != *command++) return false;
    }
}

}  // namespace

int32_t readNumber(const char* text) {
    text = OrEmpty(text);
    while (IsSpace(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + static_cast<uint32_t>(*text - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

bool containsNoCase(const char* text, const char* pattern) { return Contains(OrEmpty(text), OrEmpty(pattern), Fold); }

namespace {

// Whether text holds one of the expected texts.
bool HoldsExpected(const char* text, const Expected& expected) {
    for (const char* t : expected.texts) {
        if (expected.anyCase ? containsNoCase(text, t) : Contains(OrEmpty(text), OrEmpty(t), [](char c) { return c; }))
            return true;
    }
    return false;
}

// Whether text holds a final result line, alone on a line that has ended
// (V.250 ends a numeric code with CR alone), in any case: what a modem sends
// last. In words "OK", "ERROR", "NO CARRIER" and the phone's "+CME ERROR: n";
// after ATV0, which another program may have left in a modem on the port,
// "0" (OK), "4" (ERROR) and "3" (NO CARRIER).
const char* const kResultLines[] = {"ok", "error", "no carrier", "0", "4", "3"};

bool HoldsResultLine(const char* text) {
    for (;;) {
        const char* end = text;
        while (*end && !IsLineEnd(*end)) ++end;
        if (!*end) return false;
        uint32_t length = static_cast<uint32_t>(end - text);
        for (const char* result : kResultLines)
            if (IsWord(text, length, result)) return true;
        if (StartsWithWord(text, length, "+cme error:")) return true;
        text = end + 1;
    }
}

// The port list: a preferredPort that holds a comma names exactly the ports
// to probe ("1,2,3,4,5,6,7,8,9,12"); each item is read as readNumber reads
// it, an item without digits ("3," ends a list of one) is passed over.
bool IsPortList(const char* text) {
    for (; text && *text; ++text)
        if (*text == ',') return true;
    return false;
}

// The item after item's comma; null after the last one.
const char* NextItem(const char* item) {
    while (*item && *item != ',') ++item;
    return *item ? item + 1 : nullptr;
}

bool HoldsNumber(const char* item) {
    while (IsSpace(*item)) ++item;
    if (*item == '-' || *item == '+') ++item;
    return *item >= '0' && *item <= '9';
}

// Whether an item of list before item gives port.
bool ListedBefore(const char* list, const char* item, int32_t port) {
    for (const char* i = list; i != item; i = NextItem(i))
        if (HoldsNumber(i) && readNumber(i) == port) return true;
    return false;
}

}  // namespace

bool configurePort(comm::Handle port, int32_t speed, int32_t readTimeout, int32_t writeTimeout) {
    comm::Dcb dcb = {};
    dcb.DCBlength = sizeof(dcb);
    if (!comm::GetCommState(port, &dcb)) return false;
    dcb.BaudRate = static_cast<uint32_t>(speed);
    dcb.ByteSize = 8;
    dcb.Parity = comm::kNoParity;
    dcb.StopBits = comm::kOneStopBit;
    dcb.fOutxCtsFlow = 1;
    dcb.fRtsControl = comm::kRtsControlHandshake;
    // NT's serial driver keeps a port's settings from one open to the next, so
    // whatever the last program left is still in force: DSR flow control or
    // sensitivity, XON/XOFF or DTR off stall the write or drop the reply, and
    // abort-on-error fails every read after a line error. Binary mode, no
    // parity check and no byte replacement, DTR on as a phone wants it.
    dcb.fBinary = 1;
    dcb.fParity = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDsrSensitivity = 0;
    dcb.fDtrControl = comm::kDtrControlEnable;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fErrorChar = 0;
    dcb.fNull = 0;
    dcb.fAbortOnError = 0;
    if (!comm::SetCommState(port, &dcb)) return false;

    comm::Timeouts timeouts = {};
    if (!comm::GetCommTimeouts(port, &timeouts)) return false;
    timeouts.ReadIntervalTimeout = static_cast<uint32_t>(readTimeout);
    timeouts.ReadTotalTimeoutMultiplier = static_cast<uint32_t>(readTimeout);
    timeouts.ReadTotalTimeoutConstant = static_cast<uint32_t>(readTimeout);
    timeouts.WriteTotalTimeoutMultiplier = static_cast<uint32_t>(writeTimeout);
    timeouts.WriteTotalTimeoutConstant = static_cast<uint32_t>(writeTimeout);
    return comm::SetCommTimeouts(port, &timeouts);
}

bool openPort(int32_t port, int32_t speed, int32_t readTimeout, int32_t writeTimeout, comm::Port& out) {
    char name[kPortNameSize];
    FormatPortName(port, name);
    out.Reset(comm::CreateFileA(name, comm::kGenericRead | comm::kGenericWrite, 0, comm::kOpenExisting,
                                comm::kAttributeNormal));
    return out.IsOpen() && configurePort(out.Get(), speed, readTimeout, writeTimeout);
}

bool sendCommand(comm::Handle port, const char* command, int32_t readTimeout, const Expected& expected, char* reply) {
    command = OrEmpty(command);
    uint32_t length = BoundedLength(command, kMaxCommand + 1);
    if (length > kMaxCommand) return false;

    if (!comm::PurgeComm(port, comm::kPurgeTxClear | comm::kPurgeRxClear)) return false;

    uint32_t start = comm::GetTickCount();
    for (;;) {
        uint32_t status = 0;
        if (!comm::GetCommModemStatus(port, &status)) return false;
        if (status & comm::kCtsOn) break;
        if (comm::GetTickCount() - start > kCtsWaitMs) return false;
        comm::Sleep(kCtsPollMs);
    }

    char out[kMaxCommand + 3];
    for (uint32_t i = 0; i < length; ++i) out[i] = command[i];
    out[length] = '\r';
    out[length + 1] = '\n';
    out[length + 2] = 0;
    uint32_t toWrite = length + 2;
    uint32_t written = 0;
    if (!comm::WriteFile(port, out, toWrite, &written) || written < toWrite) return false;
    comm::FlushFileBuffers(port);

    // A read ends at the first gap of readTimeout ms, but a phone echoes a
    // command while it reads it and answers only once it has worked it out,
    // a USB-serial bridge passes bytes on in bursts (every 16 ms with the
    // usual latency timer) and an infrared port frame by frame: the first
    // read may hold the echo alone. So read on while the reply holds neither
    // an expected text nor a final result line, within the time one silent
    // read takes (readTimeout x 513 ms from the write). A later read asks for
    // no more bytes than let its total time-out (readTimeout per byte, plus
    // one) end within that time, so a read that receives nothing has used it
    // up; a silent port and a reply that comes whole take as long as before.
    // A reply that is the echo alone, as a loopback plug returns it, is given
    // kEchoSlots read time-outs from its last byte for the answer; the gap
    // that ended its read was the first of them.
    char in[kReplyBufferSize];
    uint32_t got = 0;
    uint32_t ask = kMaxReply;
    uint32_t reading = comm::GetTickCount();
    for (;;) {
        uint32_t n = 0;
        bool read = comm::ReadFile(port, in + got, ask, &n);
        uint32_t errors = 0;
        comm::ClearCommError(port, &errors);
        if (!read) return false;
        got += n < ask ? n : ask;
        in[got] = 0;
        // A NUL ends the reply as it is kept, so nothing after it counts.
        if (!n || got == kMaxReply || BoundedLength(in, got) < got || readTimeout <= 0 || HoldsExpected(in, expected) ||
            HoldsResultLine(in))
            break;
        uint32_t elapsed = comm::GetTickCount() - reading;
        uint32_t per = static_cast<uint32_t>(readTimeout);
        uint32_t used = elapsed / per + (elapsed % per ? 1 : 0);
        if (used >= kReplySlots - 1) break;  // not even a one-byte read fits
        ask = kReplySlots - used - 1;
        if (ask > kMaxReply - got) ask = kMaxReply - got;
        if (IsEchoAlone(in, command) && ask > kEchoSlots - 2) ask = kEchoSlots - 2;
    }
    if (got < 2) return false;
    if (reply) {
        uint32_t i = 0;
        for (; in[i]; ++i) reply[i] = in[i];
        reply[i] = 0;
    }
    return true;
}

int32_t probePort(int32_t port, int32_t speed, int32_t readTimeout, int32_t writeTimeout, const char* idCommand,
                  const char* match1, const char* match2, const char* match3, const char* followUp1,
                  const char* followUp2) {
    comm::Port opened;
    if (!openPort(port, speed, readTimeout, writeTimeout, opened)) return 0;
    comm::Handle handle = opened.Get();

    char reply[kReplyBufferSize];
    reply[0] = 0;
    const Expected phone = {{match1, match2, match3}, true};
    bool answered = sendCommand(handle, idCommand, readTimeout, phone, reply) && HoldsExpected(reply, phone);
    const Expected ok = {{"OK", "OK", "OK"}, false};
    const char* followUps[] = {followUp1, followUp2};
    for (const char* followUp : followUps) {
        if (!answered || !*OrEmpty(followUp)) continue;
        answered = sendCommand(handle, followUp, readTimeout, ok, reply) && HoldsExpected(reply, ok);
    }
    return answered ? 1 : 0;
}

}  // namespace ktmodem

extern "C" int32_t KTMODEM_CALL detectModemPort(const char* preferredPort, const char* baudRate,
                                                const char* readTimeout, const char* writeTimeout,
                                                const char* idCommand, const char* match1, const char* match2,
                                                const char* match3, const char* followUp1, const char* followUp2) {
    using ktmodem::readNumber;
    // The numbers are read afresh for every attempt.
    auto probe = [&](int32_t port) {
        return ktmodem::probePort(port, readNumber(baudRate), readNumber(readTimeout), readNumber(writeTimeout),
                                  idCommand, match1, match2, match3, followUp1, followUp2) != 0;
    };
    if (ktmodem::IsPortList(preferredPort)) {
        // Exactly the ports listed, in their order, each once.
        for (const char* item = preferredPort; item; item = ktmodem::NextItem(item)) {
            if (!ktmodem::HoldsNumber(item)) continue;
            int32_t port = readNumber(item);
            if (!ktmodem::ListedBefore(preferredPort, item, port) && probe(port)) return port;
        }
        return 0;
    }
    int32_t preferred = 0;
    if (preferredPort) {
        preferred = readNumber(preferredPort);
        if (probe(preferred)) return preferred;
    }
    for (int32_t port = 1; port <= 9; ++port) {
        if (port != preferred && probe(port)) return port;
    }
    return 0;
}
