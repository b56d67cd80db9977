// Whole runs with the k-th failable call of the seam failing, k = 1, 2, ...
// until a run has no call left to fail. Each run ends (or waits) where the
// wizard may, shows the taskbar again, starts the installer only with whole
// setup data and driver file, records the modem or logs that it could not,
// and leaves no marker for a wrong resume.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "TestSupport.h"
#include "core/StartUp.h"
#include "core/frmMain.h"
#include "core/runApp.h"
#include "dialogs/frmCloseApp.h"
#include "dialogs/frmQueryCancel.h"
#include "inspection/ModemProbe.h"
#include "platform/RegAccess.h"
#include "platform/sys/Locale.h"
#include "platform/sys/Profile.h"
#include "platform/sys/Ui.h"

namespace {

constexpr int kLM = RegAccess::kLocalMachine;
constexpr sys::Handle kTaskbar = 0x77, kKtmodem = 0x6A580000;
const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

int32_t Phone(const char*, const char*, const char*, const char*, const char*, const char*, const char*, const char*,
              const char*, const char*) {
    return 3;
}

struct Walk {
    const char* name;
    uint32_t major, minor, platform;
    bool infrared;
    const wchar_t* browser;  // the stops of the start-up: too old a browser,
    uint32_t freeClusters;   // too small a disk (clusters of 4096 bytes),
    bool normalUser;         // no administrator rights
};

enum class End { Finished, Rebooted, Stopped, Waiting };

class Sweep {
public:
    explicit Sweep(const Walk& walk) : w_(walk) {}

    // The program starts; on the first boot the machine is made.
    void Start(bool firstBoot) {
        bool nt = w_.platform == sys::kPlatformNT;
        if (firstBoot) {
            fake::SetString(kLM, L"Software\\Microsoft\\Internet Explorer", L"Version", w_.browser);
            fake::MakeKey(kLM, L"System\\CurrentControlSet\\Control");
            fake::MakeKey(kLM, kRunKey);
            for (int n : {1, 3})
                fake::SetString(kLM, L"Hardware\\DeviceMap\\SerialComm",
                                (nt ? L"\\Device\\Serial" : L"COM") + std::to_wstring(n - 1),
                                L"COM" + std::to_wstring(n));
            fake::MakeKey(kLM, nt               ? L"System\\CurrentControlSet\\Enum\\Root\\Legacy_IRDA"
                               : w_.minor == 90 ? L"Enum\\Network\\IRDA"
                                                : L"Enum\\INFRARED");
            fake::PutDir(L"C:\\WINDOWS\\SYSTEM32");
            fake::PutDir(L"C:\\WINDOWS\\inf");
            fake::PutFile(L"C:\\PROGRAM\\EN.dll");
            for (const wchar_t* f : {L"mdmvlm2k.in_", L"mdmvlmxp.in_", L"mdmvlmnt.in_", L"mdmvlm9x.in_"})
                fake::PutFile(std::wstring(L"C:\\TEMP\\kt\\") + f, "[Modem]\r\nPort=COM4\r\n");
        }
        testsupport::LoadConfigStrings();
        fake::World& w = fake::W();
        w.version = {w_.major, w_.minor, 1, w_.platform, "Service Pack 4"};
        w.disk.freeClusters = w_.freeClusters;
        w.normalUser = w_.normalUser;
        w.loadable[fake::Fold(L"C:\\PROGRAM\\EN.dll")] = 0x7000;
        for (const wchar_t* f : {L"shell32.dll", L"unimdm.tsp"})
            w.translations[fake::Fold(std::wstring(L"C:\\WINDOWS\\SYSTEM32\\") + f)] = {0x04E40409};
        w.localeW = {{sys::kLocaleICountry, L"49"}, {sys::kLocaleSEngCountry, L"Germany"}};
        w.loadable[fake::Fold(L"C:\\PROGRAM\\ktmodem.dll")] = kKtmodem;
        w.procs[{kKtmodem, "_detectModemPort@40"}] = reinterpret_cast<void*>(&Phone);
        w.ui.findable[L"Shell_TrayWnd\n"] = kTaskbar;
        w.onRun = [this](const std::wstring& command) { Companion(command); };
        w.processesEnded = true;  // each companion has ended once it has reported
        ModemProbe::ForgetLibrary();
        runApp::CompanionReported();  // a new process: no companion runs, none has reported
        frmMain::ProgressValue = 0;
    }

    // The companions report at once; the installer notes the keys of its
    // setup data and the driver file it finds.
    void Companion(const std::wstring& command) {
        fake::Quiet quiet;
        size_t last = command.rfind(L' '), before = command.rfind(L' ', last - 1);
        if (command.find(L"irdame.exe") != std::wstring::npos)
            sys::WritePrivateProfileString(L"IrDA", L"trigger", L"101", command.substr(last + 1));
        if (command.find(L"cm_32.exe") == std::wstring::npos) return;
        std::wstring trigger = command.substr(before + 1, last - before - 1);
        if (command.back() == L'0') {
            std::string file = fake::FileBytes(trigger), keys;
            size_t line = file.find("[Variables]\r\n"), end;
            for (line += 13; line < file.size() && (end = file.find("\r\n", line)) != std::string::npos; line = end + 2)
                keys += file.substr(line, std::min(file.find('=', line), end) - line) + ";";
            installerGot_ = keys + fake::FileBytes(L"C:\\TEMP\\kt\\mdmvlm.inf");
        }
        sys::WritePrivateProfileString(L"CM_32", L"trigger", L"101", trigger);
        fake::SetString(kLM,
                        w_.platform == sys::kPlatformNT
                            ? L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0000"
                            : L"System\\CurrentControlSet\\Services\\Class\\Modem\\0000",
                        L"DriverDesc", L"GPRS via IRDA");
    }

    // The user goes on wherever the page offers it and cancels where it does not.
    End Run() {
        ui::Form& main = frmMain::Instance();
        auto shown = [&](const wchar_t* name) { return main.IsLoaded() && main.Item(name).Visible(); };
        auto tick = [&](const wchar_t* name) { return main.IsLoaded() && fake::Tick(main.Item(name)); };
        End end = End::Stopped;
        try {
            StartUp::Main();
            for (int step = 0; step < 300; ++step) {
                if (frmCloseApp::Instance().IsLoaded()) {
                    fake::Key(frmCloseApp::Instance(), ui::kKeyReturn);
                } else if (shown(L"Finish")) {
                    end = End::Finished;
                    fake::Key(main, ui::kKeyReturn);
                } else if (tick(L"dummyTimer") || tick(L"InstallTimer") || tick(L"IrDATimer")) {
                } else if (shown(L"Forward")) {
                    if (Rs.CurrentPage == 2 && w_.infrared) fake::Click(main.Item(L"lblIRDA"));
                    if (Rs.CurrentPage == 4) fake::Click(main.Item(L"lblCom"));
                    if (Rs.CurrentPage == 6) end = End::Rebooted;
                    fake::Key(main, ui::kKeyReturn);
                } else if (Rs.CurrentPage == 5 && main.Find(L"lstCom") && main.Item(L"lstCom").ListCount()) {
                    fake::SelectListEntry(main.Item(L"lstCom"), main.Item(L"lstCom").ListCount() - 1);
                } else if (shown(L"Cancel")) {
                    fake::Key(main, ui::kKeyEscape);
                    fake::Key(frmQueryCancel::Instance(), ui::kKeyEscape);  // confirmed
                } else {
                    break;
                }
            }
            return End::Waiting;
        } catch (const fake::ProgramEnded&) {
            return end;
        }
    }

    // The faults one walk shows with the failAt-th call failing, as text.
    std::string Faults(int failAt) {
        testsupport::FreshWorld();
        fake::W().failAt = failAt;
        Start(true);
        installerGot_.clear();
        End end = Run();
        std::string found = Check(end);
        if (end == End::Rebooted) {  // the disk and the registry stay, the rest starts anew
            fake::World& w = fake::W();
            auto kept = std::make_tuple(std::move(w.roots), std::move(w.files), std::move(w.fileNames),
                                        std::move(w.dirs), w.seamCalls, w.failedCall);
            fake::Reset();
            ResetRunState();
            fake::World& n = fake::W();
            std::tie(n.roots, n.files, n.fileNames, n.dirs, n.seamCalls, n.failedCall) = std::move(kept);
            n.failAt = failAt;
            Start(false);
            found += Check(Run());
        }
        if (failAt == 0) reference_ = installerGot_;
        // Without a port in the list (its enumeration failed) infrared goes on
        // without one, and the setup data says so.
        std::string want = reference_;
        for (const char* key : {"ModInst9x;", "ModInst2K;", "ModInstXP;"})
            if (Rs.NoPortSkip && want.find(key) != std::string::npos) want.erase(want.find(key), 10);
        // Setup data or driver file not written whole (a full disk, no exchange
        // file, a template that cannot be read) are the disk-full walk's, not
        // mended here.
        if (!installerGot_.empty() && installerGot_ != want)
            found += "installer started with incomplete setup data or driver file; ";
        return found;
    }

    std::string Check(End end) {
        std::string f;
        const std::string& failed = fake::W().failedCall;
        if (end == End::Waiting) return "waits on page " + std::to_string(Rs.CurrentPage) + "; ";
        bool hidden = false;
        for (const auto& c : fake::Ui().setWindowPos)
            if (c.window == kTaskbar) hidden = c.flags == sys::kSwpHideWindow;
        if (hidden && failed != "SetWindowPos") f += "taskbar left hidden; ";
        // A stop of the start-up keeps a resume for the start after it; without
        // the temporary directory the state file is out of reach.
        bool run = fake::HasValue(kLM, kRunKey, L"kt"), state = fake::HasFile(L"C:\\TEMP\\kti.kti");
        bool kept = end == End::Rebooted ? run && !state : (run || state) && Rs.CurrentPage != 0;
        if (kept && failed != "GetTempPath") f += "resume marker left; ";
        for (const char* value : {"ModemName", "ComPort"})
            if (end == End::Finished && !fake::HasValue(kLM, L"Software\\Valmor GPRS", sys::FromAnsi(value)) &&
                testsupport::LogBytes().find(std::string("not written: ") + value) == std::string::npos)
                f += std::string(value) + " neither written nor logged; ";
        return f;
    }

private:
    Walk w_;
    std::string installerGot_, reference_;
};

TEST(FaultSweepTest, EveryFailableCallOfEveryWalkFailsInTurn) {
    const uint32_t nt = sys::kPlatformNT, w9x = sys::kPlatformWindows;
    const Walk walks[] = {
        {"cable XP", 5, 1, nt, false, L"6.0.2900.2180", 100000, false},
        {"cable 98", 4, 10, w9x, false, L"5.00.2614.3500", 100000, false},
        {"infrared 2000, reboot, resume", 5, 0, nt, true, L"5.00.3700.1000", 100000, false},
        {"infrared ME, reboot, resume", 4, 90, w9x, true, L"5.50.4134.0100", 100000, false},
        {"cable NT 4", 4, 0, nt, false, L"4.72.3110.8", 100000, false},
        {"stop: browser too old, 95", 4, 0, w9x, false, L"4.70.1155", 100000, false},
        {"stop: disk full, 98", 4, 10, w9x, false, L"5.00.2614.3500", 1000, false},
        {"stop: no administrator, XP", 5, 1, nt, false, L"6.0.2900.2180", 100000, true},
    };
    int runs = 0, points = 0;
    for (const Walk& walk : walks) {
        Sweep sweep(walk);
        EXPECT_EQ(sweep.Faults(0), "") << walk.name << ", no fault";
        int calls = fake::W().seamCalls;
        for (int k = 1;; ++k) {
            std::string found = sweep.Faults(k);
            if (fake::W().failedCall.empty()) break;  // no call left to fail
            EXPECT_EQ(found, "") << walk.name << ": call " << k << ", " << fake::W().failedCall;
        }
        std::printf("[ sweep    ] %s: %d failable calls\n", walk.name, calls);
        points += calls;
        runs += calls + 2;  // with the one without a fault and the one with none left
    }
    std::printf("[ sweep    ] %d runs, %d injection points\n", runs, points);
    fake::Reset();
}

}  // namespace
