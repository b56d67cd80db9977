// The real ktmodem.dll against simulated phones on COM ports. run.sh prepares
// one layout of ports per test suite (named in the comment of each suite) and
// runs only that suite; KTMODEM_DLL names the library, SERIAL_LOGS the
// directory where each phone logs the lines it received (phoneN.log).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Detect = int(WINAPI*)(const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*);

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

Detect Library() {
    static Detect detect = [] {
        HMODULE dll = LoadLibraryA(Env("KTMODEM_DLL").c_str());
        return dll ? reinterpret_cast<Detect>(reinterpret_cast<void*>(GetProcAddress(dll, "_detectModemPort@40")))
                   : nullptr;
    }();
    return detect;
}

struct Call {
    int result;
    DWORD ms;
};

// One search with the wizard's arguments except those given.
Call Search(const char* preferred, const char* match1 = "VALMOR", const char* match2 = "72", const char* match3 = "73",
            const char* followUp1 = "") {
    DWORD start = GetTickCount();
    int result = Library()(preferred, "57600", "10", "10", "ATI9", match1, match2, match3, followUp1, "");
    return {result, GetTickCount() - start};
}

// The lines a phone has received so far.
std::vector<std::string> Received(int port) {
    std::ifstream in(Env("SERIAL_LOGS") + "\\phone" + std::to_string(port) + ".log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

// The lines each phone receives from now on.
class Listen {
public:
    Listen() {
        for (int port = 1; port <= 12; ++port) start_[port] = Received(port).size();
    }
    Lines New(int port) const {
        Lines all = Received(port);
        size_t skip = port >= 1 && port <= 12 && start_[port] < all.size() ? start_[port] : all.size();
        return Lines(all.begin() + static_cast<std::ptrdiff_t>(skip), all.end());
    }

private:
    size_t start_[13] = {};
};

// Another program that keeps a port open until it is released.
class PortHolder {
public:
    explicit PortHolder(const std::string& port) {
        ready_ = CreateEventA(nullptr, TRUE, FALSE, "ktmodem-test-held");
        release_ = CreateEventA(nullptr, TRUE, FALSE, "ktmodem-test-release");
        char exe[MAX_PATH];
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string command = std::string(exe);
        command = "\"" + command.substr(0, command.rfind('\\')) + "\\porthold.exe\" " + port;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) {
            HANDLE both[2] = {ready_, pi_.hProcess};
            held_ = WaitForMultipleObjects(2, both, FALSE, 10000) == WAIT_OBJECT_0;
        }
    }
    ~PortHolder() {
        SetEvent(release_);
        if (pi_.hProcess) {
            WaitForSingleObject(pi_.hProcess, 10000);
            CloseHandle(pi_.hProcess);
            CloseHandle(pi_.hThread);
        }
        CloseHandle(ready_);
        CloseHandle(release_);
    }
    bool Held() const { return held_; }

private:
    HANDLE ready_, release_;
    PROCESS_INFORMATION pi_ = {};
    bool held_ = false;
};

class Serial : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(Library(), nullptr) << "cannot load " << Env("KTMODEM_DLL"); }

    // Every port the library may have touched can be opened exclusively again.
    void TearDown() override {
        for (const char* name :
             {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9", "\\\\.\\COM12"}) {
            SetLastError(0xdeadbeef);  // the error read below is this open's own
            HANDLE h = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                CloseHandle(h);
                continue;
            }
            DWORD error = GetLastError();  // absent ports are fine, anything else is a port still in use
            EXPECT_TRUE(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                << name << " was left open (error " << error << ")";
        }
    }
};

// COM1: the phone, answering at once. No other port.
class PhoneOnCom1 : public Serial {};

TEST_F(PhoneOnCom1, FoundAtOnceWithOneCommand) {
    Listen listen;
    Call c = Search("1");
    EXPECT_EQ(c.result, 1);
    EXPECT_LT(c.ms, 1000u);
    EXPECT_EQ(listen.New(1), Lines{"ATI9"});
}

TEST_F(PhoneOnCom1, PreferredPortsOutsideOneToNineStillEndOnCom1) {
    for (const char* preferred : {"0", "", "12", "x"}) EXPECT_EQ(Search(preferred).result, 1) << preferred;
    EXPECT_EQ(Search(nullptr).result, 1);
}

TEST_F(PhoneOnCom1, MatchIgnoresCase) {
    EXPECT_EQ(Search("1", "vALMOR", "x", "y").result, 1);
    EXPECT_EQ(Search("1", "x", "gprs", "y").result, 1);
    EXPECT_EQ(Search("1", "VALMORX", "x", "y").result, 0);
}

TEST_F(PhoneOnCom1, FollowUpAnsweredOk) {
    Listen listen;
    EXPECT_EQ(Search("1", "VALMOR", "72", "73", "AT+CGMI").result, 1);
    EXPECT_EQ(listen.New(1), (Lines{"ATI9", "AT+CGMI"}));
}

TEST_F(PhoneOnCom1, PortHeldByAnotherProgramIsSkippedAtOnce) {
    {
        PortHolder holder("COM1");
        ASSERT_TRUE(holder.Held());
        Listen listen;
        Call c = Search("1");
        EXPECT_EQ(c.result, 0);
        EXPECT_LT(c.ms, 1000u);
        EXPECT_TRUE(listen.New(1).empty());
    }
    EXPECT_EQ(Search("1").result, 1);
}

// COM2: a modem that answers only "OK"; COM4: the phone, echoing; COM12: the
// phone, answering follow-ups "ok". No other port.
class PhoneOnCom4 : public Serial {};

TEST_F(PhoneOnCom4, FoundAfterTheOthers) {
    Listen listen;
    Call c = Search("1");
    EXPECT_EQ(c.result, 4);
    EXPECT_LT(c.ms, 1000u);
    EXPECT_EQ(listen.New(2), Lines{"ATI9"});
    EXPECT_EQ(listen.New(4), Lines{"ATI9"});
    EXPECT_TRUE(listen.New(12).empty());
}

TEST_F(PhoneOnCom4, PreferredPortFirst) {
    Listen listen;
    EXPECT_EQ(Search("4").result, 4);
    EXPECT_TRUE(listen.New(2).empty());
    EXPECT_EQ(Search("12").result, 12);
    EXPECT_EQ(listen.New(12), Lines{"ATI9"});  // as "\\.\COM12": the bare name is a file
}

TEST_F(PhoneOnCom4, LowerCaseOkFailsTheFollowUp) {
    Listen listen;
    EXPECT_EQ(Search("12", "VALMOR", "72", "73", "AT").result, 4);
    EXPECT_EQ(listen.New(12), (Lines{"ATI9", "AT"}));
    EXPECT_EQ(listen.New(4), (Lines{"ATI9", "AT"}));
}

TEST_F(PhoneOnCom4, HeldPhoneIsNotFound) {
    PortHolder holder("COM4");
    ASSERT_TRUE(holder.Held());
    Call c = Search("1");
    EXPECT_EQ(c.result, 0);
    EXPECT_LT(c.ms, 1000u);
}

// COM1: the phone, with CTS off. No other port.
class CtsOff : public Serial {};

TEST_F(CtsOff, GivenUpAfterTwoSecondsWithoutSending) {
    Listen listen;
    Call c = Search("1");
    EXPECT_EQ(c.result, 0);
    EXPECT_GE(c.ms, 1990u);
    EXPECT_LT(c.ms, 2500u);
    EXPECT_TRUE(listen.New(1).empty());
}

// COM1: silent; COM2: answers one byte. No other port.
class Silent : public Serial {};

TEST_F(Silent, NeitherIsThePhone) {
    Listen listen;
    Call c = Search("1", "", "", "");  // any reply of two bytes would do
    EXPECT_EQ(c.result, 0);
    EXPECT_GE(c.ms, 5100u);   // the silent port waits 10 x 513 ms
    EXPECT_LT(c.ms, 11000u);  // the single byte ends on its interval or the total time-out
    EXPECT_EQ(listen.New(1), Lines{"ATI9"});
    EXPECT_EQ(listen.New(2), Lines{"ATI9"});
}

// COM1, COM2, COM3: the phone, echoing a command at once and answering 5, 30
// and 100 ms later; COM5: a loopback plug. No other port.
class EchoFirst : public Serial {};

TEST_F(EchoFirst, TheAnswerIsAwaitedAfterTheEcho) {
    for (const char* port : {"1", "2", "3"}) {
        Call c = Search(port);
        EXPECT_EQ(c.result, std::atoi(port));
        EXPECT_LT(c.ms, 1000u) << port;
    }
    Call c = Search("5,");  // given up 1.5 s after its echo
    EXPECT_GE(c.ms, 1450u);
    EXPECT_LT(c.ms, 2000u);
}

}  // namespace
