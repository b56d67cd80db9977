// Whole runs of the wizard with the k-th failable call of the seam failing,
// k = 1, 2, ... until a run passes with no call left to fail. Every run must
// end (or wait) where the wizard may, show the taskbar again, start the
// installer only with complete setup data and driver file, record the modem
// or log that it could not, and leave no marker for a wrong resume.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>

#include "TestSupport.h"
#include "core/StartUp.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "dialogs/frmCloseApp.h"
#include "dialogs/frmQueryCancel.h"
#include "inspection/ModemProbe.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/sys/Locale.h"
#include "platform/sys/Profile.h"
#include "platform/sys/Ui.h"

namespace {

constexpr int kLM = RegAccess::kLocalMachine;
constexpr sys::Handle kTaskbar = 0x77, kEnglish = 0x7000, kKtmodem = 0x6A580000;
const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const kState = L"C:\\TEMP\\kti.kti";
const wchar_t* const kDriver = L"C:\\TEMP\\kt\\mdmvlm.inf";

int32_t Phone(const char*, const char*, const char*, const char*, const char*, const char*, const char*, const char*,
              const char*, const char*) {
    return 3;
}

struct Walk {
    const char* name;
    sys::OsVersion version;
    bool infrared;
    const wchar_t* browser;  // too old a browser stops the start-up
    uint32_t freeClusters;   // of 4096 bytes; too few stop it
    bool normalUser;         // no administrator rights
};

enum class End { Finished, Rebooted, Stopped, Waiting };

class FaultSweep {
public:
    explicit FaultSweep(const Walk& walk) : walk_(walk) {}

    // The machine: files and registry, which a reboot keeps.
    void Machine() {
        bool nt = walk_.version.platformId == sys::kPlatformNT;
        fake::SetString(kLM, L"Software\\Microsoft\\Internet Explorer", L"Version", walk_.browser);
        fake::MakeKey(kLM, L"System\\CurrentControlSet\\Control");
        fake::MakeKey(kLM, kRunKey);
        for (int n : {1, 3})
            fake::SetString(kLM, L"Hardware\\DeviceMap\\SerialComm",
                            (nt ? L"\\Device\\Serial" : L"COM") + std::to_wstring(n - 1), L"COM" + std::to_wstring(n));
        if (walk_.version.major == 5) fake::MakeKey(kLM, L"System\\CurrentControlSet\\Enum\\Root\\Legacy_IRDA");
        if (walk_.version.minor == 90) fake::MakeKey(kLM, L"Enum\\Network\\IRDA");
        if (!nt && walk_.version.minor != 90) fake::MakeKey(kLM, L"Enum\\INFRARED");
        fake::PutDir(L"C:\\WINDOWS\\SYSTEM32");
        fake::PutDir(L"C:\\WINDOWS\\inf");
        fake::PutFile(L"C:\\PROGRAM\\EN.dll");
        for (const wchar_t* f : {L"cm_32.exe", L"provider.ini", L"mdmvlm2k.in_", L"mdmvlmxp.in_", L"mdmvlmnt.in_"})
            fake::PutFile(std::wstring(L"C:\\TEMP\\kt\\") + f, "[Modem]\r\n");
        fake::PutFile(L"C:\\TEMP\\kt\\mdmvlm9x.in_", "[Modem]\r\nPort=COM4\r\n");
    }

    // What each start of the program finds anew.
    void Session() {
        testsupport::LoadConfigStrings();
        fake::W().version = walk_.version;
        fake::W().disk.freeClusters = walk_.freeClusters;
        fake::W().normalUser = walk_.normalUser;
        fake::W().loadable[fake::Fold(L"EN.dll")] = kEnglish;
        fake::W().modules[kEnglish].strings = {{1, L"Next"}, {2007, L"Try (%s)"}};
        fake::W().translations[fake::Fold(L"C:\\WINDOWS\\SYSTEM32\\shell32.dll")] = {0x04E40409};
        fake::W().translations[fake::Fold(L"C:\\WINDOWS\\SYSTEM32\\unimdm.tsp")] = {0x04E40409};
        fake::W().localeW = {{sys::kLocaleICountry, L"49"}, {sys::kLocaleSEngCountry, L"Germany"}};
        fake::W().loadable[L"KTMODEM"] = kKtmodem;
        fake::W().procs[{kKtmodem, "_detectModemPort@40"}] = reinterpret_cast<void*>(&Phone);
        fake::Ui().findable[L"Shell_TrayWnd\n"] = kTaskbar;
        fake::W().onRun = [this](const std::wstring& command) { Companion(command); };
        fake::W().onFail = [this] {
            auto log = testsupport::LogMessages();
            inSetupData_ = !log.empty() && (log.back() == L"writing init data START" ||
                                            log.back().compare(0, 15, L"VirtualComPort:") == 0);
        };
        ModemProbe::ForgetLibrary();
        runApp::CompanionReported();  // a new process: no companion runs, none has reported
        frmMain::ProgressValue = 0;
    }

    // The companions report at once; the installer checks what it is given.
    void Companion(const std::wstring& command) {
        fake::Quiet quiet;
        auto word = [&](size_t back) {
            size_t end = command.size();
            for (; back; --back) end = command.rfind(L' ', end - 1);
            size_t start = command.rfind(L' ', end - 1) + 1;
            return command.substr(start, end - start);
        };
        if (command.find(L"irdame.exe") != std::wstring::npos)
            sys::WritePrivateProfileString(L"IrDA", L"trigger", L"101", word(0));
        if (command.find(L"cm_32.exe") == std::wstring::npos) return;
        if (command.back() == L'0') installerGot_ = Variables(fake::FileBytes(word(1))) + fake::FileBytes(kDriver);
        sys::WritePrivateProfileString(L"CM_32", L"trigger", L"101", word(1));
        std::wstring modems = walk_.version.platformId == sys::kPlatformNT
                                  ? L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}"
                                  : L"System\\CurrentControlSet\\Services\\Class\\Modem";
        fake::SetString(kLM, modems + L"\\0000", L"DriverDesc", L"GPRS via IRDA");
    }

    // The keys of the setup data, as the installer reads them.
    static std::string Variables(const std::string& file) {
        std::string keys;
        size_t line = file.find("[Variables]\r\n"), end;
        if (line == std::string::npos) return keys;
        for (line += 13; (end = file.find("\r\n", line)) != std::string::npos && file[line] != '['; line = end + 2)
            keys += file.substr(line, std::min(file.find('=', line), end) - line) + ";";
        return keys;
    }

    // The user: goes on wherever the page offers it, cancels where it does not.
    End Run() {
        ui::Form& main = frmMain::Instance();
        auto shown = [&](const wchar_t* name) { return main.IsLoaded() && main.Item(name).Visible(); };
        auto timer = [&](const wchar_t* name) { return main.IsLoaded() && fake::Tick(main.Item(name)); };
        End end = End::Stopped;
        try {
            StartUp::Main();
            for (int step = 0; step < 300; ++step) {
                if (frmCloseApp::Instance().IsLoaded()) {
                    fake::Key(frmCloseApp::Instance(), ui::kKeyReturn);
                } else if (shown(L"Finish")) {
                    end = End::Finished;
                    fake::Key(main, ui::kKeyReturn);
                } else if (timer(L"dummyTimer") || timer(L"InstallTimer") || timer(L"IrDATimer")) {
                } else if (shown(L"Forward")) {
                    if (Rs.CurrentPage == 2 && walk_.infrared) fake::Click(main.Item(L"lblIRDA"));
                    if (Rs.CurrentPage == 4) fake::Click(main.Item(L"lblCom"));
                    if (Rs.CurrentPage == 6) end = End::Rebooted;
                    fake::Key(main, ui::kKeyReturn);
                } else if (Rs.CurrentPage == 5 && main.Find(L"lstCom") && main.Item(L"lstCom").ListCount()) {
                    fake::SelectListEntry(main.Item(L"lstCom"), main.Item(L"lstCom").ListCount() - 1);
                } else if (shown(L"Cancel")) {
                    fake::Key(main, ui::kKeyEscape);
                    fake::Key(frmQueryCancel::Instance(), ui::kKeyEscape);  // Cancel confirms it
                } else {
                    break;
                }
            }
            return End::Waiting;
        } catch (const fake::ProgramEnded&) {
            return end;
        }
    }

    // One whole walk, the resume after the reboot included; the faults
    // found, as text.
    std::string Sweep(int failAt) {
        testsupport::FreshWorld();
        fake::W().failAt = failAt;
        Machine();
        Session();
        installerGot_.clear();
        inSetupData_ = false;
        End end = Run();
        std::string findings = Check(end);
        if (end == End::Rebooted) {  // the disk and the registry stay, the rest starts anew
            fake::World& w = fake::W();
            auto kept = std::make_tuple(std::move(w.roots), std::move(w.files), std::move(w.fileNames),
                                        std::move(w.dirs), w.seamCalls, w.failedCall);
            fake::Reset();
            ResetRunState();
            fake::World& n = fake::W();
            std::tie(n.roots, n.files, n.fileNames, n.dirs, n.seamCalls, n.failedCall) = std::move(kept);
            n.failAt = failAt;
            Session();
            end = Run();
            findings += Check(end);
        }
        if (failAt == 0) reference_ = installerGot_;
        // Without a port in the list (its enumeration failed) infrared goes on
        // without one, and the setup data says so.
        std::string want = reference_;
        for (const char* key : {"ModInst9x;", "ModInst2K;", "ModInstXP;"})
            if (Rs.NoPortSkip && want.find(key) != std::string::npos) want.erase(want.find(key), 10);
        // The setup data or driver file not written whole (a full disk, no
        // exchange file, a template that cannot be read) is the stop of the
        // disk-full walk of the world faults, not mended here.
        const std::string& failed = fake::W().failedCall;
        bool diskFull = inSetupData_ || failed == "GetTempPath" || failed == "GetTempFileName";
        if (!installerGot_.empty() && installerGot_ != want && !diskFull)
            findings += "installer started with incomplete setup data or driver file; ";
        return findings;
    }

    std::string Check(End end) {
        std::string f;
        const std::string& failed = fake::W().failedCall;
        if (end == End::Waiting) {
            // A companion that could not be started, or has no exchange file
            // to report into, is waited for: left to the watch of the companions.
            bool companion =
                failed == "CreateProcess (minimised)" || failed == "GetTempPath" || failed == "GetTempFileName";
            if (!companion || (Rs.CurrentPage != 3 && Rs.CurrentPage != 2))
                f += "waits on page " + std::to_string(Rs.CurrentPage) + "; ";
            return f;
        }
        bool hidden = false;
        for (const auto& c : fake::Ui().setWindowPos)
            if (c.window == kTaskbar) hidden = c.flags == sys::kSwpHideWindow;
        if (hidden && failed != "SetWindowPos") f += "taskbar left hidden; ";
        // A stop of the start-up keeps a resume for the start after it; without
        // the temporary directory the state file is out of reach.
        bool run = fake::HasValue(kLM, kRunKey, L"kt"), state = fake::HasFile(kState);
        bool kept = end == End::Rebooted ? run && !state : (run || state) && Rs.CurrentPage != 0;
        if (kept && failed != "GetTempPath") f += "resume marker left; ";
        if (end == End::Finished) {
            std::string log = testsupport::LogBytes();
            for (const wchar_t* value : {L"ModemName", L"ComPort"})
                if (!fake::HasValue(kLM, L"Software\\Valmor GPRS", value) &&
                    log.find("not written: " + sys::ToAnsi(value)) == std::string::npos)
                    f += "product key value " + sys::ToAnsi(value) + " missing, not logged; ";
        }
        return f;
    }

private:
    Walk walk_;
    std::string installerGot_, reference_;
    bool inSetupData_ = false;
};

TEST(FaultSweepTest, EveryFailableCallOfEveryWalkFailsInTurn) {
    const std::string sp(128, '\0'), sp2 = std::string("Service Pack 4") + std::string(114, '\0');
    const Walk walks[] = {
        {"cable XP", {5, 1, 2600, sys::kPlatformNT, sp}, false, L"6.0.2900.2180", 100000, false},
        {"cable 98", {4, 10, 2222, sys::kPlatformWindows, sp}, false, L"5.00.2614.3500", 100000, false},
        {"infrared 2000, reboot, resume", {5, 0, 2195, sys::kPlatformNT, sp2}, true, L"5.00.3700.1000", 100000, false},
        {"infrared ME, reboot, resume",
         {4, 90, 3000, sys::kPlatformWindows, sp},
         true,
         L"5.50.4134.0100",
         100000,
         false},
        {"cable NT 4", {4, 0, 1381, sys::kPlatformNT, sp}, false, L"4.72.3110.8", 100000, false},
        {"stop: browser too old, 95", {4, 0, 950, sys::kPlatformWindows, sp}, false, L"4.70.1155", 100000, false},
        {"stop: disk full, 98", {4, 10, 2222, sys::kPlatformWindows, sp}, false, L"5.00.2614.3500", 1000, false},
        {"stop: no administrator, XP", {5, 1, 2600, sys::kPlatformNT, sp}, false, L"6.0.2900.2180", 100000, true},
    };
    int runs = 0, points = 0;
    for (const Walk& walk : walks) {
        FaultSweep sweep(walk);
        EXPECT_EQ(sweep.Sweep(0), "") << walk.name << ", no fault";
        int calls = fake::W().seamCalls;
        for (int k = 1;; ++k, ++runs) {
            std::string findings = sweep.Sweep(k);
            if (fake::W().failedCall.empty()) break;  // no call left to fail
            EXPECT_EQ(findings, "") << walk.name << ": call " << k << ", " << fake::W().failedCall;
        }
        std::printf("[ sweep    ] %s: %d failable calls\n", walk.name, calls);
        points += calls;
    }
    std::printf("[ sweep    ] %d runs, %d injection points\n", runs, points);
    fake::Reset();
}

}  // namespace
