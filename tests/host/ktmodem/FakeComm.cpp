#include "FakeComm.h"

#include <algorithm>

namespace fakecomm {

Port::Port() : dcb{} {
    // Driver settings unlike anything the probe writes, so every field it
    // leaves alone can be seen to stay.
    dcb.BaudRate = 9600;
    dcb.fBinary = 0;
    dcb.fParity = 1;
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 1;
    dcb.fDtrControl = 0;
    dcb.fDsrSensitivity = 1;
    dcb.fTXContinueOnXoff = 1;
    dcb.fOutX = 1;
    dcb.fInX = 1;
    dcb.fErrorChar = 1;
    dcb.fNull = 1;
    dcb.fRtsControl = 1;
    dcb.fAbortOnError = 1;
    dcb.fDummy2 = 0x1ABCD;
    dcb.wReserved = 7;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = 7;
    dcb.Parity = 2;
    dcb.StopBits = 2;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.ErrorChar = '?';
    dcb.EofChar = 0x1A;
    dcb.EvtChar = '\n';
    dcb.wReserved1 = 0x5A5A;
}

namespace {

World* gWorld = nullptr;
std::map<comm::Handle, std::string> gHandles;
comm::Handle gNextHandle = 0x100;

Port* Of(comm::Handle h) {
    auto it = gHandles.find(h);
    if (it == gHandles.end()) {
        ++W().badHandles;
        return nullptr;
    }
    return &W().ports[it->second];
}

}  // namespace

World& W() {
    if (!gWorld) gWorld = new World();
    return *gWorld;
}

void Reset() {
    delete gWorld;
    gWorld = new World();
    gHandles.clear();
}

std::vector<std::string> World::OpenedNames() const {
    std::vector<std::string> names;
    for (const auto& o : opens) names.push_back(o.name);
    return names;
}

bool Fail(const char* call) {
    if (++W().calls != W().failAt) return false;
    W().failed = call;
    return true;
}

int World::OpenPorts() const { return static_cast<int>(gHandles.size()); }

}  // namespace fakecomm

using fakecomm::Of;
using fakecomm::W;

namespace comm {

Handle CreateFileA(const char* name, uint32_t access, uint32_t share, uint32_t disposition, uint32_t flags) {
    if (fakecomm::Fail("CreateFileA")) return kInvalidHandle;
    if (W().onOpen) W().onOpen(name);
    W().opens.push_back({name, access, share, disposition, flags});
    auto it = W().ports.find(name);
    if (it == W().ports.end() || it->second.busy) return kInvalidHandle;
    ++it->second.opens;
    it->second.openedAt = W().ticks;
    it->second.commandsSinceOpen = 0;
    Handle h = fakecomm::gNextHandle++;
    fakecomm::gHandles[h] = name;
    return h;
}

bool CloseHandle(Handle file) {
    fakecomm::Port* p = Of(file);
    if (!p) return false;
    ++p->closes;
    fakecomm::gHandles.erase(file);
    return true;
}

bool GetCommState(Handle port, Dcb* dcb) {
    if (fakecomm::Fail("GetCommState")) return false;
    fakecomm::Port* p = Of(port);
    if (!p) return false;
    p->dcbLengthsPassed.push_back(dcb->DCBlength);
    if (p->failGetState) return false;
    *dcb = p->dcb;
    dcb->DCBlength = sizeof(Dcb);
    return true;
}

bool SetCommState(Handle port, Dcb* dcb) {
    if (fakecomm::Fail("SetCommState")) return false;
    fakecomm::Port* p = Of(port);
    if (!p) return false;
    p->statesSet.push_back(*dcb);
    return !p->failSetState;
}

bool GetCommTimeouts(Handle port, Timeouts* timeouts) {
    if (fakecomm::Fail("GetCommTimeouts")) return false;
    fakecomm::Port* p = Of(port);
    if (!p || p->failGetTimeouts) return false;
    *timeouts = p->timeouts;
    return true;
}

bool SetCommTimeouts(Handle port, Timeouts* timeouts) {
    if (fakecomm::Fail("SetCommTimeouts")) return false;
    fakecomm::Port* p = Of(port);
    if (!p) return false;
    p->timeoutsSet.push_back(*timeouts);
    if (p->failSetTimeouts) return false;
    p->timeouts = *timeouts;
    return true;
}

bool PurgeComm(Handle port, uint32_t flags) {
    if (fakecomm::Fail("PurgeComm")) return false;
    fakecomm::Port* p = Of(port);
    if (!p) return false;
    p->events.push_back("purge " + std::to_string(flags));
    return !p->failPurge;
}

bool GetCommModemStatus(Handle port, uint32_t* status) {
    if (fakecomm::Fail("GetCommModemStatus")) return false;
    fakecomm::Port* p = Of(port);
    if (!p) return false;
    p->events.push_back("status");
    if (p->failModemStatus) return false;
    bool cts = p->ctsAfterMs != fakecomm::kNever && W().ticks - p->openedAt >= p->ctsAfterMs;
    *status = (cts ? kCtsOn : 0) | 0x20;  // DSR always on
    return true;
}

bool WriteFile(Handle file, const void* data, uint32_t bytes, uint32_t* written) {
    if (fakecomm::Fail("WriteFile")) return (*written = 0) != 0;
    fakecomm::Port* p = Of(file);
    if (!p) return false;
    p->events.push_back("write");
    if (p->failWrite) {
        *written = 0;
        return false;
    }
    p->written.emplace_back(static_cast<const char*>(data), bytes);
    ++p->commandsSinceOpen;
    p->replied = false;
    *written = bytes - std::min(bytes, p->shortWriteBy);
    return true;
}

bool FlushFileBuffers(Handle file) {
    if (fakecomm::Fail("FlushFileBuffers")) return false;
    fakecomm::Port* p = Of(file);
    if (!p) return false;
    p->events.push_back("flush");
    return true;
}

bool ReadFile(Handle file, void* data, uint32_t bytes, uint32_t* read) {
    if (fakecomm::Fail("ReadFile")) return (*read = 0) != 0;
    fakecomm::Port* p = Of(file);
    if (!p) return false;
    p->events.push_back("read " + std::to_string(bytes));
    *read = 0;
    if (p->failRead) return false;
    size_t index = p->commandsSinceOpen - 1;
    std::string reply = p->commandsSinceOpen && index < p->replies.size() && !p->replied ? p->replies[index] : "";
    const Timeouts& t = p->timeouts;
    uint32_t total = t.ReadTotalTimeoutMultiplier * bytes + t.ReadTotalTimeoutConstant, delay = p->replyDelayMs;
    if (p->replied && index == 0 && !p->answer.empty()) {
        delay = std::max(p->replyEndedAt + p->answerAfterMs, W().ticks) - W().ticks;
        if (delay <= total) reply.swap(p->answer);
    }
    if (reply.size() >= 2) {
        // The read ends on the interval after the last byte.
        W().ticks += delay + t.ReadIntervalTimeout;
        p->replyEndedAt = W().ticks - t.ReadIntervalTimeout;
    } else {
        // Nothing, or a single byte: the total time-out ends it.
        W().ticks += total;
    }
    p->replied = true;
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(reply.size(), bytes));
    std::copy(reply.data(), reply.data() + n, static_cast<char*>(data));
    *read = n;
    return true;
}

bool ClearCommError(Handle port, uint32_t* errors) {
    if (fakecomm::Fail("ClearCommError")) return false;
    fakecomm::Port* p = Of(port);
    if (!p) return false;
    p->events.push_back("clear");
    *errors = 0;
    return true;
}

uint32_t GetTickCount() { return W().ticks; }

void Sleep(uint32_t milliseconds) {
    W().sleeps.push_back(milliseconds);
    W().ticks += milliseconds;
}

}  // namespace comm
