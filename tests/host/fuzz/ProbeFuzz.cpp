// The probe against phones that answer anything: replies of any bytes and
// length on any of the ports, any match strings and number texts. The reply
// matching and the number reading are checked against plain references.
#include <cctype>
#include <string>

#include "FakeComm.h"
#include "FuzzInput.h"
#include "Probe.h"

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string UpToNul(const std::string& s) { return s.substr(0, s.find('\0')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);

    // Reply matching and number reading, byte for byte.
    std::string text = UpToNul(in.Bytes()), pattern = UpToNul(in.Bytes());
    fuzz::Check(ktmodem::containsNoCase(text.c_str(), pattern.c_str()) ==
                    (Lower(text).find(Lower(pattern)) != std::string::npos),
                "containsNoCase differs from a folded search");
    std::string number = UpToNul(in.Bytes());
    size_t i = 0;
    while (i < number.size() && (number[i] == ' ' || (number[i] >= '\t' && number[i] <= '\r'))) ++i;
    bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    uint32_t expected = 0;
    for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i)
        expected = expected * 10u + (number[i] - '0');
    if (negative) expected = 0u - expected;
    fuzz::Check(ktmodem::readNumber(number.c_str()) == static_cast<int32_t>(expected), "readNumber differs");

    // A whole search over ports whose phones answer with the input's bytes.
    fakecomm::Reset();
    uint8_t present = in.Byte(), busy = in.Byte();
    for (int port = 1; port <= 9; ++port) {
        if (!(present >> (port - 1) & 1) && port != 9) continue;
        fakecomm::Port& p = fakecomm::W().ports["COM" + std::to_string(port)];
        p.busy = busy >> (port - 1) & 1;
        p.ctsAfterMs = in.Byte() < 16 ? fakecomm::kNever : in.Byte() * 10u;
        p.replyDelayMs = in.Byte() * 10u;
        for (int r = in.Byte() % 4; r > 0; --r) p.replies.push_back(in.Bytes());
        uint8_t faults = in.Byte();
        p.failRead = faults & 1;
        p.failWrite = faults & 2;
        p.failModemStatus = faults & 4;
        p.shortWriteBy = faults >> 6;
    }
    std::string args[10];
    for (auto& a : args) a = UpToNul(in.Bytes());
    const char* ptr[10];
    for (int k = 0; k < 10; ++k) ptr[k] = (in.Byte() & 7) == 0 ? nullptr : args[k].c_str();
    int32_t port = detectModemPort(ptr[0], ptr[1], ptr[2], ptr[3], ptr[4], ptr[5], ptr[6], ptr[7], ptr[8], ptr[9]);

    int32_t preferred = ptr[0] ? ktmodem::readNumber(ptr[0]) : 0;
    fuzz::Check(port == 0 || (port >= 1 && port <= 9) || port == preferred, "a port that was never probed");
    fuzz::Check(fakecomm::W().OpenPorts() == 0, "a port stayed open");
    fuzz::Check(fakecomm::W().badHandles == 0, "a call with a handle that was not open");
    return 0;
}
