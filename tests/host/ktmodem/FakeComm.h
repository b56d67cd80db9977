// A scripted stand-in for the probe library's serial-port seam: ports by
// device name, each with its driver settings, modem lines, replies and
// failures, and a clock that only moves when the probe sleeps or reads.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Serial.h"

namespace fakecomm {

const uint32_t kNever = 0xFFFFFFFFu;

struct Port {
    // Arrangement.
    bool busy = false;  // CreateFileA fails as for a port in use
    comm::Dcb dcb;      // what GetCommState reports
    comm::Timeouts timeouts{1, 2, 3, 4, 5};
    uint32_t ctsAfterMs = 0;           // CTS comes on this long after the open; kNever
    std::vector<std::string> replies;  // one per command of each open, in order; "" or missing: silence
                                       // (a reply comes once: later reads of the command get silence)
    uint32_t replyDelayMs = 0;         // until the first byte of a reply arrives
    std::string answer;                // follows the first command's reply (an echo)...
    uint32_t answerAfterMs = 0;        // ...this long after its last byte
    uint32_t shortWriteBy = 0;         // WriteFile reports this many bytes fewer
    bool failGetState = false, failSetState = false, failGetTimeouts = false, failSetTimeouts = false;
    bool failPurge = false, failModemStatus = false, failWrite = false, failRead = false;

    // Record.
    int opens = 0;
    int closes = 0;
    uint32_t openedAt = 0;
    size_t commandsSinceOpen = 0;
    bool replied = false;                    // the latest command's reply has been read
    uint32_t replyEndedAt = 0;               // when its last byte came
    std::vector<uint32_t> dcbLengthsPassed;  // DCBlength as GetCommState received it
    std::vector<comm::Dcb> statesSet;
    std::vector<comm::Timeouts> timeoutsSet;
    std::vector<std::string> written;  // bytes of each WriteFile
    std::vector<std::string> events;   // "purge 12", "status", "write", "flush", "read 512", "clear"
    int Open() const { return opens - closes; }

    Port();
};

struct OpenCall {
    std::string name;
    uint32_t access, share, disposition, flags;
};

struct World {
    std::map<std::string, Port> ports;  // present ports by device name ("COM1")
    std::vector<OpenCall> opens;        // every CreateFileA, also of absent ports
    std::vector<uint32_t> sleeps;
    uint32_t ticks = 0;
    std::function<void(const std::string&)> onOpen;  // called before each CreateFileA
    int badHandles = 0;                              // calls with a handle not open
    int failAt = 0, calls = 0;                       // the failAt-th call of the seam (from 1) fails
    std::string failed;                              // its name

    std::vector<std::string> OpenedNames() const;
    int OpenPorts() const;
};

World& W();
void Reset();
// Counts a failable call; true when it is the one to fail.
bool Fail(const char* call);

}  // namespace fakecomm
