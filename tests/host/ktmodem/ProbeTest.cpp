#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "FakeComm.h"
#include "Probe.h"

namespace {

using fakecomm::W;
using Names = std::vector<std::string>;

const char* const kPhoneReply = "ATI9\r\r\nValmor GPRS Z72\r\n\r\nOK\r\n";

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override { fakecomm::Reset(); }
    void TearDown() override {
        EXPECT_EQ(W().OpenPorts(), 0) << "a port was left open";
        EXPECT_EQ(W().badHandles, 0);
    }

    // A phone (or another device) on a port that answers at once.
    fakecomm::Port& Device(const std::string& name, std::vector<std::string> replies = {kPhoneReply}) {
        fakecomm::Port& p = W().ports[name];
        p.replies = std::move(replies);
        return p;
    }

    // The wizard's call, with the preferred port and the follow-ups given.
    static int32_t Detect(const char* preferred, const char* followUp1 = "", const char* followUp2 = "") {
        return detectModemPort(preferred, "57600", "10", "10", "ATI9", "VALMOR", "72", "73", followUp1, followUp2);
    }
    static int32_t DetectMatching(const char* m1, const char* m2, const char* m3) {
        return detectModemPort("1", "57600", "10", "10", "ATI9", m1, m2, m3, "", "");
    }
};

TEST_F(ProbeTest, NumbersAreReadAsAtoiReadsThem) {
    using ktmodem::readNumber;
    EXPECT_EQ(readNumber("57600"), 57600);
    EXPECT_EQ(readNumber(" \t\n\v\f\r12"), 12);
    EXPECT_EQ(readNumber("+7"), 7);
    EXPECT_EQ(readNumber("-3"), -3);
    EXPECT_EQ(readNumber("19200baud"), 19200);
    EXPECT_EQ(readNumber("4 5"), 4);
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("abc"), 0);
    EXPECT_EQ(readNumber("- 5"), 0);
    EXPECT_EQ(readNumber("+-5"), 0);
    EXPECT_EQ(readNumber(nullptr), 0);
    EXPECT_EQ(readNumber("99999999999"), 1215752191);  // wraps, no range check
    EXPECT_EQ(readNumber("-2147483648"), INT32_MIN);
}

TEST_F(ProbeTest, CaseFoldingIsAsciiOnly) {
    using ktmodem::containsNoCase;
    EXPECT_TRUE(containsNoCase("ATI9\r\nvAlMoR z72", "VALMOR"));
    EXPECT_TRUE(containsNoCase("VALMOR", "valmor"));
    EXPECT_TRUE(containsNoCase("xyz", ""));
    EXPECT_TRUE(containsNoCase("", ""));
    EXPECT_TRUE(containsNoCase("end72", "72"));
    EXPECT_FALSE(containsNoCase("", "a"));
    EXPECT_FALSE(containsNoCase("VALMO", "VALMOR"));
    EXPECT_FALSE(containsNoCase("VAL MOR", "VALMOR"));
    EXPECT_FALSE(containsNoCase("[\\]^", "{|}~"));           // neighbours of the letters do not fold
    EXPECT_FALSE(containsNoCase("VALM\xD6R", "valm\xF6r"));  // Latin-1 letters stay as they are
    EXPECT_TRUE(containsNoCase("VALM\xD6R", "valm\xD6r"));
    EXPECT_TRUE(containsNoCase("aaab", "aab"));  // restarts after a partial match
    EXPECT_FALSE(containsNoCase(nullptr, "a"));
    EXPECT_TRUE(containsNoCase("a", nullptr));
}

TEST_F(ProbeTest, PreferredPortComesFirstAndIsNotProbedTwice) {
    struct Case {
        const char* preferred;
        Names order;
    };
    const Names oneToNine = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"};
    auto with = [&](const char* first, Names rest) {
        rest.insert(rest.begin(), first);
        return rest;
    };
    const Case cases[] = {
        {"1", oneToNine},
        {"5", {"COM5", "COM1", "COM2", "COM3", "COM4", "COM6", "COM7", "COM8", "COM9"}},
        {"0", with("\\\\.\\COM0", oneToNine)},
        {"", with("\\\\.\\COM0", oneToNine)},
        {"not a number", with("\\\\.\\COM0", oneToNine)},
        {"12", with("\\\\.\\COM12", oneToNine)},
        {"-3", with("\\\\.\\COM-3", oneToNine)},
        {" +4x", {"COM4", "COM1", "COM2", "COM3", "COM5", "COM6", "COM7", "COM8", "COM9"}},
        {"-2147483648", with("\\\\.\\COM-2147483648", oneToNine)},
        {nullptr, oneToNine},
        // A list: exactly its ports, in its order, each once.
        {"1,2,3,4,5,6,7,8,9,12",
         {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9", "\\\\.\\COM12"}},
        {"12, 3,x,,+12,256,3", {"\\\\.\\COM12", "COM3", "\\\\.\\COM256"}},
        {"3,", {"COM3"}},
    };
    for (const Case& c : cases) {
        fakecomm::Reset();
        EXPECT_EQ(Detect(c.preferred), 0);
        EXPECT_EQ(W().OpenedNames(), c.order) << (c.preferred ? c.preferred : "(null)");
    }
}

TEST_F(ProbeTest, FirstAnsweringPortWins) {
    Device("\\\\.\\COM12");
    EXPECT_EQ(Detect("12"), 12);
    EXPECT_EQ(W().OpenedNames(), Names{"\\\\.\\COM12"});

    fakecomm::Reset();
    Device("COM2", {"\r\nERROR\r\n"});
    Device("COM4");
    Device("COM6");
    EXPECT_EQ(Detect("1"), 4);
    EXPECT_EQ(W().OpenedNames(), (Names{"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(W().ports["COM2"].opens, 1);
    EXPECT_EQ(W().ports["COM2"].closes, 1);
    EXPECT_EQ(W().ports["COM6"].opens, 0);

    fakecomm::Reset();
    Device("COM1");
    EXPECT_EQ(Detect("1"), 1);
    EXPECT_EQ(W().OpenedNames(), Names{"COM1"});
    EXPECT_EQ(W().ports["COM1"].written, Names{"ATI9\r\n"});
}

TEST_F(ProbeTest, PortsInUseAreSkippedAtOnce) {
    Device("COM1").busy = true;
    Device("COM3");
    EXPECT_EQ(Detect("1"), 3);
    EXPECT_EQ(W().ticks, 10u);  // only the reply's interval on COM3
    EXPECT_EQ(W().ports["COM1"].opens, 0);
}

TEST_F(ProbeTest, PortsAreOpenedExclusivelyForReadAndWrite) {
    Detect("1");
    ASSERT_FALSE(W().opens.empty());
    for (const auto& o : W().opens) {
        EXPECT_EQ(o.access, 0xC0000000u) << o.name;
        EXPECT_EQ(o.share, 0u);
        EXPECT_EQ(o.disposition, 3u);  // OPEN_EXISTING
        EXPECT_EQ(o.flags, 0x80u);     // FILE_ATTRIBUTE_NORMAL, not overlapped
    }
}

TEST_F(ProbeTest, OnlyTheLineSettingsAndTimeoutsChange) {
    fakecomm::Port& p = Device("COM1");
    comm::Dcb expected = p.dcb;
    expected.DCBlength = 28;
    expected.BaudRate = 19200;
    expected.ByteSize = 8;
    expected.Parity = 0;
    expected.StopBits = 0;
    expected.fOutxCtsFlow = 1;
    expected.fRtsControl = 2;
    // What another program may have left, which NT keeps between opens: binary, DTR_CONTROL_ENABLE; no parity check,
    // DSR flow or sensitivity, XON/XOFF, byte replacement or abort on error.
    expected.fBinary = expected.fDtrControl = 1;
    expected.fParity = expected.fOutxDsrFlow = expected.fDsrSensitivity = expected.fOutX = expected.fInX = 0;
    expected.fErrorChar = expected.fNull = expected.fAbortOnError = 0;

    EXPECT_EQ(detectModemPort("1", " 19200 bit/s", "25", "7", "ATI9", "VALMOR", "72", "73", "", ""), 1);
    EXPECT_EQ(p.dcbLengthsPassed, std::vector<uint32_t>{28});
    ASSERT_EQ(p.statesSet.size(), 1u);
    EXPECT_EQ(std::memcmp(&p.statesSet[0], &expected, sizeof expected), 0);
    ASSERT_EQ(p.timeoutsSet.size(), 1u);
    const comm::Timeouts& t = p.timeoutsSet[0];
    EXPECT_EQ(t.ReadIntervalTimeout, 25u);
    EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 25u);
    EXPECT_EQ(t.ReadTotalTimeoutConstant, 25u);
    EXPECT_EQ(t.WriteTotalTimeoutMultiplier, 7u);
    EXPECT_EQ(t.WriteTotalTimeoutConstant, 7u);
}

TEST_F(ProbeTest, NumbersAreReadAgainForEachPort) {
    char baud[8] = "9600";
    Device("COM1", {"\r\nERROR\r\n"});
    Device("COM2", {"\r\nERROR\r\n"});
    W().onOpen = [&](const std::string& name) {  // COM1's numbers have been read by now
        if (name == "COM1") std::strcpy(baud, "4800");
    };
    EXPECT_EQ(detectModemPort("1", baud, "10", "10", "ATI9", "VALMOR", "72", "73", "", ""), 0);
    EXPECT_EQ(W().ports["COM1"].statesSet.at(0).BaudRate, 9600u);
    EXPECT_EQ(W().ports["COM2"].statesSet.at(0).BaudRate, 4800u);
}

TEST_F(ProbeTest, AFailingConfigurationStepClosesThePortAndStopsThere) {
    struct Case {
        bool fakecomm::Port::*fail;
        size_t statesSet, timeoutsSet;
    };
    const Case cases[] = {
        {&fakecomm::Port::failGetState, 0, 0},
        {&fakecomm::Port::failSetState, 1, 0},
        {&fakecomm::Port::failGetTimeouts, 1, 0},
        {&fakecomm::Port::failSetTimeouts, 1, 1},
    };
    for (const Case& c : cases) {
        fakecomm::Reset();
        fakecomm::Port& p = Device("COM1");
        p.*c.fail = true;
        Device("COM2");
        EXPECT_EQ(Detect("1"), 2);
        EXPECT_EQ(p.statesSet.size(), c.statesSet);
        EXPECT_EQ(p.timeoutsSet.size(), c.timeoutsSet);
        EXPECT_TRUE(p.events.empty());
        EXPECT_EQ(p.opens, 1);
        EXPECT_EQ(p.closes, 1);
    }
}

TEST_F(ProbeTest, OneExchangeIsPurgeCtsWriteFlushReadClear) {
    fakecomm::Port& p = Device("COM1");
    EXPECT_EQ(Detect("1"), 1);
    EXPECT_EQ(p.events, (Names{"purge 12", "status", "write", "flush", "read 512", "clear"}));
    EXPECT_EQ(p.closes, 1);
}

TEST_F(ProbeTest, ErrorsAreClearedAlsoAfterAFailedRead) {
    fakecomm::Port& p = Device("COM1");
    p.failRead = true;
    EXPECT_EQ(Detect("1"), 0);
    EXPECT_EQ(p.events, (Names{"purge 12", "status", "write", "flush", "read 512", "clear"}));
}

TEST_F(ProbeTest, FailuresBeforeTheReadEndTheExchange) {
    struct Case {
        bool fakecomm::Port::*fail;
        Names events;
    };
    const Case cases[] = {
        {&fakecomm::Port::failPurge, {"purge 12"}},
        {&fakecomm::Port::failModemStatus, {"purge 12", "status"}},
        {&fakecomm::Port::failWrite, {"purge 12", "status", "write"}},
    };
    for (const Case& c : cases) {
        fakecomm::Reset();
        fakecomm::Port& p = Device("COM1");
        p.*c.fail = true;
        EXPECT_EQ(Detect("1"), 0);
        EXPECT_EQ(p.events, c.events);
        EXPECT_EQ(p.closes, 1);
    }
    fakecomm::Reset();
    fakecomm::Port& p = Device("COM1");
    p.shortWriteBy = 1;
    EXPECT_EQ(Detect("1"), 0);
    EXPECT_EQ(p.events, (Names{"purge 12", "status", "write"}));
}

TEST_F(ProbeTest, CtsIsAwaitedTwoSecondsPolledEveryTenMilliseconds) {
    fakecomm::Port& off = Device("COM1");
    off.ctsAfterMs = fakecomm::kNever;
    EXPECT_EQ(Detect("1"), 0);
    EXPECT_TRUE(off.written.empty());
    EXPECT_EQ(W().ticks, 2010u);  // 2000 ms is not yet more than 2000
    EXPECT_EQ(W().sleeps, std::vector<uint32_t>(201, 10));
    EXPECT_EQ(off.closes, 1);

    // The last look at CTS is at 2010 ms.
    for (uint32_t after : {0u, 1500u, 2005u, 2010u}) {
        fakecomm::Reset();
        Device("COM1").ctsAfterMs = after;
        EXPECT_EQ(Detect("1"), 1) << after;
    }
    fakecomm::Reset();
    Device("COM1").ctsAfterMs = 2011;
    EXPECT_EQ(Detect("1"), 0);
}

TEST_F(ProbeTest, CtsWaitSurvivesTheTickCounterWrapping) {
    W().ticks = 0xFFFFFF00u;
    Device("COM1").ctsAfterMs = fakecomm::kNever;
    EXPECT_EQ(Detect("1"), 0);
    EXPECT_EQ(W().ticks - 0xFFFFFF00u, 2010u);
}

TEST_F(ProbeTest, AReplyNeedsTwoBytes) {
    Device("COM1", {"7"});
    EXPECT_EQ(DetectMatching("", "", ""), 0);
    EXPECT_EQ(W().ticks, 5130u);  // a single byte waits for the total time-out

    fakecomm::Reset();
    Device("COM1", {"72"});
    EXPECT_EQ(Detect("1"), 1);
}

TEST_F(ProbeTest, ASilentPortCostsTheWholeReadTimeout) {
    Device("COM1", {});
    EXPECT_EQ(Detect("1"), 0);
    EXPECT_EQ(W().ticks, 10u * 512 + 10);
}

// A loopback plug is left 1.5 s after its echo; other bytes keep the budget.
TEST_F(ProbeTest, AnEchoAloneIsGivenUpWithinOneAndAHalfSeconds) {
    struct Case {
        const char* echo;
        uint32_t answerAfterMs, ticks;
        int32_t found;
    } cases[] = {{"ATI9\r\n", 60000, 1500, 0},
                 {"\r\nATI9\r\r\n", 1000, 1010, 1},
                 {"ATI9\r\n", 1501, 1500, 0},
                 {"ATI", 5000, 5010, 1}};
    for (const Case& c : cases) {
        fakecomm::Reset();
        fakecomm::Port& p = Device("COM1", {c.echo});
        p.answer = "\r\nVALMOR\r\n";
        p.answerAfterMs = c.answerAfterMs;
        EXPECT_EQ(Detect("1"), c.found) << c.echo << c.answerAfterMs;
        EXPECT_EQ(W().ticks, c.ticks) << c.echo << c.answerAfterMs;
    }
}

// A numeric code after ATV0 (ended by CR alone), NO CARRIER and +CME ERROR end a reply as OK and ERROR do.
TEST_F(ProbeTest, EveryFinalResultEndsTheReadAtOnce) {
    int i = 0;  // the first six end the reply, the rest read on to the time-out
    for (const char* reply : {"ATI9\r0\r", "4\r", "\r\n3\r\n", "\r\nno carrier\r\n", "\r\n+CME ERROR: 100\r\n",
                              "\r\n+cme error:4\r\n", "\r\n40\r\n", "\r\n+CME ERROR\r\n", "\r\nNO CARRIERS\r\n"}) {
        fakecomm::Reset();
        Device("COM1", {reply});
        EXPECT_EQ(Detect("1"), 0);
        EXPECT_EQ(W().ticks == 10, i++ < 6) << reply;
    }
}

TEST_F(ProbeTest, AnyOfTheThreeMatchTextsInAnyCaseAccepts) {
    Device("COM1", {"\r\nvalmor\r\n"});
    EXPECT_EQ(DetectMatching("VALMOR", "x", "y"), 1);
    EXPECT_EQ(DetectMatching("x", "VaLmOr", "y"), 1);
    EXPECT_EQ(DetectMatching("x", "y", "VALMOR"), 1);
    EXPECT_EQ(DetectMatching("x", "y", "VALMORX"), 0);
    EXPECT_EQ(DetectMatching("", "x", "y"), 1);  // an empty text matches every reply
    EXPECT_EQ(W().ports["COM1"].opens, 5);
}

TEST_F(ProbeTest, TheReplyIsOneReadOfAtMost512BytesUpToItsFirstNul) {
    Device("COM1", {std::string(510, '.') + "72"});
    EXPECT_EQ(Detect("1"), 1);

    fakecomm::Reset();
    Device("COM1", {std::string(512, '.') + "VALMOR72"});  // the rest stays in the driver
    EXPECT_EQ(Detect("1"), 0);

    fakecomm::Reset();
    Device("COM1", {std::string("OK\0VALMOR", 9)});
    EXPECT_EQ(Detect("1"), 0);
}

TEST_F(ProbeTest, FollowUpsMustBeAnsweredWithUpperCaseOk) {
    Device("COM1", {kPhoneReply, "\r\nOK\r\n", "+CGMI: xOKx"});
    EXPECT_EQ(Detect("1", "AT+CGMI", "AT&F"), 1);
    EXPECT_EQ(W().ports["COM1"].written, (Names{"ATI9\r\n", "AT+CGMI\r\n", "AT&F\r\n"}));

    for (const char* answer : {"\r\nok\r\n", "\r\nOk\r\n", "\r\nERROR\r\n", "O"}) {
        fakecomm::Reset();
        Device("COM1", {kPhoneReply, answer, "\r\nOK\r\n"});
        EXPECT_EQ(Detect("1", "AT+CGMI", "AT&F"), 0) << answer;
        EXPECT_EQ(W().ports["COM1"].written.size(), 2u);  // the second follow-up is not sent
    }

    fakecomm::Reset();
    Device("COM1", {kPhoneReply, "\r\nOK\r\n"});
    EXPECT_EQ(Detect("1", "", "AT&F"), 1);
    EXPECT_EQ(W().ports["COM1"].written, (Names{"ATI9\r\n", "AT&F\r\n"}));

    fakecomm::Reset();
    Device("COM1", {kPhoneReply, "\r\nOK\r\n", "\r\nok\r\n"});
    EXPECT_EQ(Detect("1", "AT+CGMI", "AT&F"), 0);
}

TEST_F(ProbeTest, EachCommandPurgesAndWaitsForCtsAgain) {
    fakecomm::Port& p = Device("COM1", {kPhoneReply, "OK"});
    EXPECT_EQ(Detect("1", "AT"), 1);
    const Names one = {"purge 12", "status", "write", "flush", "read 512", "clear"};
    Names both = one;
    both.insert(both.end(), one.begin(), one.end());
    EXPECT_EQ(p.events, both);
}

TEST_F(ProbeTest, CommandsLongerThan509CharactersFailThePort) {
    std::string longest(509, 'A');
    fakecomm::Port& p = Device("COM1", {"72"});
    EXPECT_EQ(detectModemPort("1", "57600", "10", "10", longest.c_str(), "72", "", "", "", ""), 1);
    ASSERT_EQ(p.written.size(), 1u);
    EXPECT_EQ(p.written[0], longest + "\r\n");

    for (size_t length : {510u, 100000u}) {
        fakecomm::Reset();
        std::string tooLong(length, 'A');
        fakecomm::Port& refused = Device("COM1", {"72"});
        EXPECT_EQ(detectModemPort("1", "57600", "10", "10", tooLong.c_str(), "72", "", "", "", ""), 0);
        EXPECT_TRUE(refused.events.empty()) << length;  // refused before the line is touched
        EXPECT_EQ(refused.opens, 1);
        EXPECT_EQ(refused.closes, 1);
    }

    fakecomm::Reset();
    std::string longFollowUp(510, 'B');
    Device("COM1", {kPhoneReply, "OK"});
    EXPECT_EQ(Detect("1", longFollowUp.c_str()), 0);
    EXPECT_EQ(W().ports["COM1"].written.size(), 1u);
}

TEST_F(ProbeTest, NullStringsCountAsEmpty) {
    Device("COM1", {"\r\nOK\r\n"});
    EXPECT_EQ(detectModemPort(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(W().ports["COM1"].written, Names{"\r\n"});
    EXPECT_EQ(W().ports["COM1"].statesSet.at(0).BaudRate, 0u);
}

TEST_F(ProbeTest, NothingFoundMeansZeroAndEveryPortClosed) {
    for (int i = 1; i <= 9; ++i) Device("COM" + std::to_string(i), {"\r\nERROR\r\n"});
    EXPECT_EQ(Detect("1"), 0);
    EXPECT_EQ(W().ticks, 90u);  // a final result line ends each reply
    for (auto& entry : W().ports) {
        EXPECT_EQ(entry.second.opens, 1) << entry.first;
        EXPECT_EQ(entry.second.closes, 1) << entry.first;
    }
}

// Each call of the serial seam fails in turn on a search over a silent port,
// an echo and the phone: the search ends in time, leaves no port open, and
// finds the phone or nothing.
TEST_F(ProbeTest, EverySerialCallFailsInTurn) {
    int k = 1;
    for (;; ++k) {
        fakecomm::Reset();
        W().failAt = k;
        Device("COM1", {});
        Device("COM2", {"ATI9\r"});
        Device("COM3");
        int32_t port = Detect("1,2,3,");
        if (W().failed.empty()) break;
        EXPECT_TRUE(port == 3 || port == 0) << k << " " << W().failed;
        EXPECT_EQ(W().OpenPorts(), 0) << k << " " << W().failed;
        EXPECT_EQ(W().badHandles, 0) << k << " " << W().failed;
        EXPECT_LT(W().ticks, 20000u) << k << " " << W().failed;
    }
    std::printf("[ sweep    ] probe: %d injection points\n", k - 1);
}

}  // namespace
