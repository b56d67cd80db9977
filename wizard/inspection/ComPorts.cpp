#include "inspection/ComPorts.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "platform/RegAccess.h"

namespace ComPorts {

namespace {

using RegAccess::kLocalMachine;

const wchar_t* const kSerialMap = L"Hardware\\DeviceMap\\SerialComm";
constexpr int16_t kLastPort = 256;

// What a value of the map names, by the device in its name.
enum class Kind { Serial, Modem, Bluetooth };

// Every value of the map is a serial port unless its name holds one of these
// (upper-cased). A deny list, because USB-serial drivers name their ports in
// every way (\Device\VCP0, \Device\Silabser0, \Device\USBSER000,
// \Device\ProlificSerial0, ...) and a cable left out is the worst outcome;
// every name with SERIAL in it, which was once the test on NT, still counts
// unless it names one of these. A Bluetooth port must never be opened: the
// open starts a radio connection, on some stacks a pairing dialog, and takes
// seconds. Modems are not the phone's cable.
struct Denied {
    const wchar_t* part;
    Kind kind;
};
const Denied kDenied[] = {
    {L"MODEM", Kind::Modem},          // \Device\LTModem0, AgereSoftModem, USB phone modem drivers
    {L"MDM", Kind::Modem},            //
    {L"WINAC", Kind::Modem},          // Conexant HSF and HCF soft modems: \Device\Winachsf0
    {L"BTH", Kind::Bluetooth},        // Microsoft's stack (XP SP2): \Device\BthModem0
    {L"BLUETOOTH", Kind::Bluetooth},  //
    {L"BTPORT", Kind::Bluetooth},     // Widcomm and Broadcom
    {L"BTKRNL", Kind::Bluetooth},     //
    {L"TOSBT", Kind::Bluetooth},      // Toshiba
    {L"CSRBT", Kind::Bluetooth},      // CSR: \Device\CsrBtSerial0
};

std::wstring Upper(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

Kind KindOf(const std::wstring& valueName) {
    std::wstring name = Upper(valueName);
    Kind kind = Kind::Serial;
    for (const Denied& d : kDenied) {
        if (name.find(d.part) == std::wstring::npos) continue;
        if (d.kind == Kind::Bluetooth) return d.kind;
        kind = d.kind;
    }
    return kind;
}

// The port that map data names: exactly "COM" and a number 1 to 256 in any
// case, trailing blanks and NULs left out; 0 for anything else.
int16_t PortOf(std::wstring data) {
    data = Upper(data);
    while (!data.empty() && (data.back() == L' ' || data.back() == L'\0')) data.pop_back();
    if (data.size() < 4 || data.size() > 6 || data.compare(0, 3, L"COM") != 0 || data[3] == L'0') return 0;
    int port = 0;
    for (size_t i = 3; i < data.size(); ++i) {
        if (data[i] < L'0' || data[i] > L'9') return 0;
        port = port * 10 + (data[i] - L'0');
    }
    return port <= kLastPort ? static_cast<int16_t>(port) : 0;
}

struct Entry {
    int16_t port;
    Kind kind;
};

// Every value of the map, read once: on 9x as on NT (9x names the ports of
// its own serial driver "COM1" and so on, USB-serial drivers theirs otherwise).
std::vector<Entry> ReadMap() {
    std::vector<Entry> entries;
    if (!RegAccess::KeyExists(false, kLocalMachine, kSerialMap, L"")) return entries;
    for (const auto& name : RegAccess::EnumKey(kLocalMachine, kSerialMap).ValueNames) {
        if (int16_t port = PortOf(RegAccess::GetText(kLocalMachine, kSerialMap, name, L"")))
            entries.push_back({port, KindOf(name)});
    }
    return entries;
}

// The ports of the entries that pass, ascending, each once.
template <typename Pass>
std::vector<int16_t> Ports(const std::vector<Entry>& map, Pass pass) {
    std::vector<int16_t> ports;
    for (const Entry& e : map)
        if (pass(e)) ports.push_back(e.port);
    std::sort(ports.begin(), ports.end());
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}

bool Holds(const std::vector<int16_t>& ports, int16_t port) {
    return std::binary_search(ports.begin(), ports.end(), port);
}

}  // namespace

bool IsComPortPresent(int16_t port) { return Holds(PresentPorts(), port); }

std::vector<int16_t> PresentPorts() {
    return Ports(ReadMap(), [](const Entry& e) { return e.kind == Kind::Serial; });
}

std::vector<int16_t> NamedPorts() {
    return Ports(ReadMap(), [](const Entry&) { return true; });
}

std::vector<int16_t> SearchPorts() {
    std::vector<Entry> map = ReadMap();
    std::vector<int16_t> bluetooth = Ports(map, [](const Entry& e) { return e.kind == Kind::Bluetooth; });
    std::vector<int16_t> ports;
    for (int16_t port = 1; port <= 9; ++port)
        if (!Holds(bluetooth, port)) ports.push_back(port);
    for (int16_t port : Ports(map, [](const Entry& e) { return e.kind == Kind::Serial; }))
        if (port > 9 && !Holds(bluetooth, port)) ports.push_back(port);
    return ports;
}

}  // namespace ComPorts
