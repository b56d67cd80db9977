// The page sequence from page 2 to Finish: every transition, the modem
// searches, the watch timers and the keys each page answers.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "TestSupport.h"
#include "core/Clicks.h"
#include "core/ExchangeFile.h"
#include "core/FormHandling.h"
#include "core/frmMain.h"
#include "dialogs/frmCloseApp.h"
#include "dialogs/frmMessage.h"
#include "dialogs/frmQueryCancel.h"
#include "fakes/FakeUi.h"
#include "inspection/ModemProbe.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"

namespace {

constexpr sys::Handle kLibrary = 0x5000;
constexpr sys::Handle kKtmodem = 0x6A580000;
constexpr int kLM = RegAccess::kLocalMachine;
const wchar_t* const kTrigger = L"C:\\TEMP\\KTI1A.TMP";

std::deque<int32_t> gProbeResults;  // one per probe; 0 when none is left
int gProbes = 0;

int32_t FakeDetect(const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                   const char*, const char*, const char*) {
    ++gProbes;
    if (gProbeResults.empty()) return 0;
    int32_t r = gProbeResults.front();
    gProbeResults.pop_front();
    return r;
}

class PageSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        fake::W().modules[kLibrary].strings = {{1, L"&Next"},       {2, L"Cancel"},
                                               {4, L"Finish"},      {5, L"Restart"},
                                               {103, L"Pick one"},  {2001, L"Installing."},
                                               {2003, L"Done."},    {2004, L"Restart now."},
                                               {2005, L"Hold it."}, {2007, L"Try (%s) of 10"},
                                               {2010, L"How?"},     {2011, L"Cable"},
                                               {2012, L"Infrared"}, {2020, L"Search?"},
                                               {2021, L"Auto"},     {2022, L"By hand"},
                                               {2030, L"Port:"},    {2100, L"Copying files"}};
        Rs.LanguageLibrary = kLibrary;
        Rs.ProductName = L"Valmor GPRS";
        Rs.ProductCode = L"VLMGPRS";
        Rs.VersionText = L"Ver.: 4.1.1.0";
        Rs.TempDir = Rs.WorkDir = L"C:\\TEMP\\";
        Rs.WindowsDir = L"C:\\WINDOWS\\";
        Rs.SystemDir = L"C:\\WINDOWS\\SYSTEM32\\";
        Rs.TriggerFile = kTrigger;
        Rs.LanguageCode = L"EN";
        Rs.CurrentForm = &frmMain::Instance();
        fake::PutDir(L"C:\\TEMP\\kt");
        fake::PutDir(L"C:\\WINDOWS\\inf");
        fake::MakeKey(kLM, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run");
        fake::PutFile(L"C:\\TEMP\\kt\\mdmvlmxp.in_", "[Modem]\r\nPort=COM4\r\n");
        fake::PutFile(L"C:\\TEMP\\kt\\mdmvlm9x.in_", "[Modem]\r\nPort=COM4\r\n");
        fake::PutFile(kTrigger);
        fake::W().loadable[fake::Fold(L"C:\\PROGRAM\\ktmodem.dll")] = kKtmodem;
        fake::W().procs[{kKtmodem, "_detectModemPort@40"}] = reinterpret_cast<void*>(&FakeDetect);
        ModemProbe::ForgetLibrary();
        gProbeResults.clear();
        gProbes = 0;
        frmMain::ProgressValue = 0;
    }
    void TearDown() override { ModemProbe::ForgetLibrary(); }

    void System(const wchar_t* os, int platform) {
        Rs.OsName = os;
        Rs.OsPlatformId = platform;
    }
    // COM ports in the serial-port map, named as the running system names them.
    void Ports(std::initializer_list<int> numbers) {
        for (int n : numbers)
            fake::SetString(kLM, L"Hardware\\DeviceMap\\SerialComm",
                            (Rs.OsPlatformId == 2 ? L"\\Device\\Serial" : L"COM") + std::to_wstring(n - 1),
                            L"COM" + std::to_wstring(n));
    }
    ui::Form& Main() { return frmMain::Instance(); }
    ui::Control& Item(const wchar_t* name) { return Main().Item(name); }
    void Enter() { fake::Key(Main(), ui::kKeyReturn); }
    bool Shown(const wchar_t* image) { return Item(image).Visible(); }
    void Report(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
        IniHand::WriteIni(section, key, value, kTrigger);
    }
    bool Logged(const std::wstring& line) {
        for (const auto& l : testsupport::LogMessages())
            if (l == line) return true;
        return false;
    }
    int Count(const std::wstring& line) {
        int n = 0;
        for (const auto& l : testsupport::LogMessages()) n += l == line;
        return n;
    }
    // From page 1 to page 2 as the user does it.
    void ToPage2() {
        FormHandling::ShowPage(1);
        fake::Key(frmCloseApp::Instance(), ui::kKeyReturn);
    }
};

TEST(ExchangeFileTest, NumbersAsTheCompanionsWriteThem) {
    struct {
        const wchar_t* text;
        int16_t number;    // 7: refused
        int16_t progress;  // 7: refused
    } cases[] = {{L"", 7, 7},
                 {L"abc", 7, 7},
                 {L"1x", 7, 7},
                 {L"-", 7, 7},
                 {L"12.5", 7, 7},
                 {L"0", 0, 0},
                 {L" 101 ", 101, 101},
                 {L"+42", 42, 42},
                 {L"-5", -5, -5},
                 {L"32767", 32767, 32767},
                 {L"32768", 7, 32767},
                 {L"-32768", -32768, -32768},
                 {L"70000", 7, 32767},
                 {L"-70000", 7, -32768},
                 {L"0000000000000000000000000000000000000000000000101", 101, 101}};
    for (const auto& c : cases) {
        int16_t n = 7, p = 7;
        ExchangeFile::ToNumber(c.text, &n);
        ExchangeFile::ToProgress(c.text, &p);
        EXPECT_EQ(n, c.number) << c.text;
        EXPECT_EQ(p, c.progress) << c.text;
    }
    int16_t p = 7;
    EXPECT_TRUE(ExchangeFile::ToProgress(std::wstring(5000, L'9'), &p));
    EXPECT_EQ(p, 32767);
}

// Windows XP, cable, automatic search: the phone answers the second search;
// the installer reports through the exchange file, asks for a folder once,
// and finishes; Finish records the modem.
TEST_F(PageSequenceTest, CableAutomaticSearchToFinish) {
    System(L"WinXP", 2);
    ToPage2();
    ASSERT_EQ(Rs.CurrentPage, 2);
    EXPECT_TRUE(Shown(L"Forward") && Shown(L"Cancel") && !Shown(L"Label"));
    Enter();  // the cable is the default choice
    ASSERT_EQ(Rs.CurrentPage, 4);
    EXPECT_TRUE(Logged(L"user choice IRDA or COM : COM"));
    fake::Key(Main(), ui::kKeyEscape);  // Esc asks here as on page 2; Enter is Back
    EXPECT_TRUE(frmQueryCancel::Instance().IsLoaded());
    fake::Key(frmQueryCancel::Instance(), ui::kKeyReturn);
    fake::Click(Item(L"lblCom"));
    EXPECT_TRUE(Rs.AutoPortSearch);

    gProbeResults = {0, 3};
    fake::Script([this] {
        // The window was prepared before the probe blocked it.
        EXPECT_FALSE(Shown(L"Forward") || Shown(L"Cancel") || Shown(L"lblForward") || Shown(L"lblCancel"));
        EXPECT_EQ(Main().MousePointer(), ui::kPointerHourglass);
        EXPECT_EQ(Rs.MessageId, 104);
        fake::Key(frmMessage::Instance(), ui::kKeyReturn);  // Repeat
    });
    Enter();
    EXPECT_EQ(gProbes, 2);
    ASSERT_EQ(Rs.CurrentPage, 3);
    EXPECT_EQ(Main().MousePointer(), ui::kPointerCustom);
    EXPECT_EQ(fake::Ui().inputDiscarded, 3);  // after each search: nothing typed meanwhile acts on page 3
    EXPECT_EQ(Rs.PortSearchResult, L"3");
    EXPECT_EQ(Rs.ComPort, L"COM3");
    EXPECT_EQ(Rs.ModemName, L"GPRS via COM");
    EXPECT_EQ(Count(L"Modem detected on port: COM0"), 1);
    EXPECT_TRUE(Logged(L"Modem detected on port: COM3"));
    EXPECT_NE(fake::FileBytes(kTrigger).find("ComPort=COM3\r\n"), std::string::npos);
    EXPECT_EQ(Item(L"Label").Caption(), L"Installing.");
    EXPECT_TRUE(Shown(L"Forward") && Shown(L"Cancel"));

    Enter();  // starts the installer in cable mode, out of the topmost band for the dialogs it raises
    EXPECT_FALSE(fake::WindowTopMost(Main().Handle()));
    ASSERT_EQ(fake::W().started.size(), 1u);
    EXPECT_EQ(fake::W().started[0], L"C:\\TEMP\\kt\\cm_32.exe C:\\TEMP\\\\kt\\ C:\\TEMP\\KTI1A.TMP 0");
    EXPECT_TRUE(Shown(L"Progressbar") && Shown(L"trglabel"));
    EXPECT_FALSE(Shown(L"Forward") || Shown(L"Cancel"));
    Enter();  // Forward is hidden: neither key starts it twice or asks to cancel
    fake::Key(Main(), ui::kKeyEscape);
    EXPECT_EQ(fake::W().started.size(), 1u);
    EXPECT_FALSE(frmQueryCancel::Instance().IsLoaded());

    ui::Control& timer = Item(L"dummyTimer");
    EXPECT_EQ(fake::TimerInterval(timer), 2000u);
    Report(L"CM_32", L"trigger", L"40");
    Report(L"CM_32", L"triggertext", L"2100");
    fake::Tick(timer);
    EXPECT_EQ(frmMain::ProgressValue, 40);
    EXPECT_EQ(Item(L"trglabel").Caption(), L"Copying files");
    Report(L"CM_32", L"trigger", L"garbage");
    Report(L"CM_32", L"triggertext", L"99999");
    fake::Tick(timer);  // neither is a usable number: both stay
    EXPECT_EQ(frmMain::ProgressValue, 40);
    EXPECT_EQ(Item(L"trglabel").Caption(), L"Copying files");

    // A folder request: a dialog that cannot come up is logged and asked
    // for again at the next tick, not at once; one dialog however many ticks
    // pass while it is open; Cancel shows it again.
    Report(L"CM_32", L"GetDirectory", L"1");
    fake::Ui().folderAnswers = {fake::kFolderNotShown};
    fake::Tick(timer);
    EXPECT_EQ(fake::Ui().folderDialogs.size(), 1u);
    EXPECT_EQ(Count(L"folder dialog could not be shown"), 1);
    EXPECT_FALSE(Rs.DirectoryRequestBusy);
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"GetDirectory", L"", kTrigger), L"1");
    fake::Ui().onBrowse = [&] { fake::Tick(timer); };
    fake::Ui().folderAnswers = {L"", L"D:\\Data"};
    fake::Tick(timer);
    fake::Ui().onBrowse = nullptr;
    ASSERT_EQ(fake::Ui().folderDialogs.size(), 3u);
    EXPECT_EQ(fake::Ui().folderDialogs[0].first, Main().HandleIfLoaded());
    EXPECT_EQ(fake::Ui().folderDialogs[0].second, L"Pick one");
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"Path", L"", kTrigger), L"D:\\Data");
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"GetDirectory", L"", kTrigger), L"0");
    EXPECT_FALSE(Rs.DirectoryRequestBusy);

    Report(L"CM_32", L"trigger", L"100");
    fake::Tick(timer);
    EXPECT_EQ(Rs.CurrentPage, 3);
    Report(L"CM_32", L"trigger", L"70000");  // beyond 16 bits: still finished
    fake::Tick(timer);
    EXPECT_FALSE(fake::TimerRunning(timer));
    Main().DispatchTimer(timer.ChildId());  // a tick queued before it stopped
    EXPECT_TRUE(fake::WindowTopMost(Main().Handle()));
    EXPECT_EQ(Count(L"systemcheck and modeminstallation ready"), 1);
    EXPECT_FALSE(Shown(L"Progressbar") || Shown(L"trglabel") || Shown(L"Forward") || Shown(L"Cancel"));
    EXPECT_TRUE(Shown(L"Finish") && Shown(L"lblFinish"));
    EXPECT_EQ(Item(L"lblFinish").Caption(), L"Finish");
    EXPECT_EQ(Item(L"Label").Caption(), L"Done.");
    EXPECT_EQ(Main().DefaultButton(), &Item(L"FinishButton"));
    EXPECT_EQ(Rs.CurrentPage, 3);  // page 14 keeps the number that led to it
    fake::Key(Main(), ui::kKeyEscape);
    EXPECT_FALSE(frmQueryCancel::Instance().IsLoaded());

    // The dialer setup: the end of the session, WM_CLOSE, the close box meanwhile declined, the restart follows.
    bool closed = false;
    fake::W().onRun = [&](const std::wstring&) {
        EXPECT_FALSE(fake::WindowTopMost(Main().Handle()));
        EXPECT_EQ(Main().MousePointer(), ui::kPointerHourglass);
        for (int mode : {ui::kUnloadAppWindows, ui::kUnloadTaskManager, ui::kUnloadControlMenu})
            closed = closed || fake::CloseByUser(Main(), mode);
    };
    EXPECT_THROW(Enter(), fake::ProgramEnded);
    EXPECT_FALSE(closed);
    EXPECT_EQ(fake::W().exitWindows.size(), 1u);
    EXPECT_EQ(fake::StringOf(kLM, L"Software\\Valmor GPRS", L"ModemName"), L"GPRS via COM");
    EXPECT_EQ(fake::StringOf(kLM, L"Software\\Valmor GPRS", L"ComPort"), L"COM3");
}

// Windows 98: the search given up leads to the port list, which offers
// Forward only once a port is chosen; the installer's "cancel" ends the run.
TEST_F(PageSequenceTest, GivenUpSearchThenPortByHandThenCancelledInstaller) {
    System(L"Win98", 1);
    fake::SetString(kLM, L"Hardware\\DeviceMap\\SerialComm", L"COM0", L"COM2");
    FormHandling::ShowPage(4);
    fake::Click(Item(L"OptCom"));
    Rs.ComPort = L"COM7";
    fake::Script([] { fake::Key(frmMessage::Instance(), ui::kKeyEscape); });  // Cancel
    Enter();
    ASSERT_EQ(Rs.CurrentPage, 5);
    EXPECT_EQ(Rs.PortSearchResult, L"99");
    EXPECT_EQ(Rs.ComPort, L"COM7");
    EXPECT_EQ(Rs.ModemName, L"GPRS via COM");
    EXPECT_EQ(testsupport::LogMessages().back(), L"user choice manuel COM-Port");
    EXPECT_TRUE(Logged(L"Modem detected on port: COM99"));
    EXPECT_FALSE(Shown(L"Forward") || Shown(L"lblForward"));
    Enter();  // nothing chosen yet
    EXPECT_EQ(Rs.CurrentPage, 5);
    fake::SelectListEntry(Item(L"lstCom"), 0);
    EXPECT_TRUE(Shown(L"Forward") && Shown(L"lblForward"));
    Enter();
    ASSERT_EQ(Rs.CurrentPage, 3);
    EXPECT_EQ(Rs.ComPort, L"COM2");
    EXPECT_TRUE(Logged(L"user choice manuel COM-Port: COM2"));
    EXPECT_EQ(fake::FileBytes(L"C:\\TEMP\\kt\\mdmvlm.inf"), "[Modem]\r\nPort=COM4\r\n");

    Enter();
    Report(L"CM_32", L"triggertext", L"cancel");
    fake::Script([this] { EXPECT_FALSE(Shown(L"trglabel")); });
    EXPECT_THROW(fake::Tick(Item(L"dummyTimer")), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 102);
    EXPECT_FALSE(fake::TimerRunning(Item(L"dummyTimer")));
}

// A port gone before Forward shows the list again; a companion that has
// ended without its last report is message 101 a tick later, never before.
TEST_F(PageSequenceTest, PortGoneAndCompanionEndedUnreported) {
    Ports({1, 2});
    FormHandling::ShowPage(5);
    fake::SelectListEntry(Item(L"lstCom"), 1);
    RegAccess::DeleteValue(kLM, L"Hardware\\DeviceMap\\SerialComm", L"COM1");
    Enter();
    ASSERT_EQ(Item(L"lstCom").ListCount(), 1);
    fake::SelectListEntry(Item(L"lstCom"), 0);
    Enter();
    Enter();
    for (int i = 0; i < 9; ++i) fake::Tick(Item(L"dummyTimer"));  // quiet, but running
    fake::W().processesEnded = true;
    fake::Tick(Item(L"dummyTimer"));  // its last report may still come
    EXPECT_THROW(fake::Tick(Item(L"dummyTimer")), fake::ProgramEnded);
    EXPECT_EQ(Rs.MessageId, 101);
}

// Russian XP: shell32.dll's translation carries code page 1200, the ANSI code
// page is 1251. Every text the pages show (captions, page and option texts,
// the port list, the progress text, the version, the message) is drawn and
// measured in RUSSIAN_CHARSET, the character set of the bytes GDI receives.
TEST_F(PageSequenceTest, EveryTextInTheCharsetOfTheAnsiCodePageOnNt) {
    System(L"WinXP", 2);
    Rs.SystemCodePage = L"1200";
    fake::W().ansiCodePage = 1251;
    Ports({1, 3});
    auto expectRussian = [](ui::Form& form, const char* where) {
        int texts = 0;
        for (ui::Control* c : form.Controls()) {
            if (c->GetKind() != ui::Kind::Label && c->GetKind() != ui::Kind::ListBox) continue;
            ++texts;
            EXPECT_EQ(c->GetFont().charset, 204) << where << ": " << c->Name();
        }
        EXPECT_GT(texts, 3) << where;
        EXPECT_EQ(form.GetFont().charset, 204) << where << ": the measuring font";
    };
    FormHandling::ShowPage(1);
    expectRussian(frmCloseApp::Instance(), "page 1");
    fake::Key(frmCloseApp::Instance(), ui::kKeyReturn);
    expectRussian(Main(), "page 2");
    for (int16_t page : {4, 5, 3}) {
        FormHandling::ShowPage(page);
        expectRussian(Main(), ("page " + std::to_string(page)).c_str());
    }
    Rs.MessageId = 104;
    Rs.MessageButtons = 5;
    fake::Script([&] {
        expectRussian(frmMessage::Instance(), "message 104");
        fake::Key(frmMessage::Instance(), ui::kKeyEscape);
    });
    frmMessage::ShowModal();
}

// Where Forward on page 2 leads with infrared, system by system.
TEST_F(PageSequenceTest, InfraredFromPage2OnEachSystem) {
    const wchar_t* const kHotfix = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Q252795";
    struct Case {
        const wchar_t* os;
        int platform;
        bool hotfix;
        int16_t page;
    } cases[] = {{L"WinXP", 2, false, 5},
                 {L"Win2K", 2, true, 5},
                 {L"Win2K", 2, false, 6},
                 {L"Win98", 1, false, 5},
                 {L"Win95", 1, false, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.os) + (c.hotfix ? L" with the hotfix" : L""));
        SetUp();
        System(c.os, c.platform);
        Ports({1});
        fake::MakeKey(kLM, c.platform == 2 ? L"System\\CurrentControlSet\\Enum\\Root\\Legacy_IRDA" : L"Enum\\INFRARED");
        if (c.hotfix) fake::MakeKey(kLM, kHotfix);
        FormHandling::ShowPage(2);
        fake::Click(Item(L"lblIRDA"));
        Enter();
        EXPECT_EQ(Rs.CurrentPage, c.page);
        EXPECT_TRUE(Logged(L"user choice IRDA or COM : IRDA"));
        bool waited = !fake::W().waited.empty();
        EXPECT_EQ(waited, std::wstring(c.os) == L"Win2K" && !c.hotfix);
        if (c.page == 6) {
            EXPECT_EQ(Item(L"lblForward").Caption(), L"Restart");
            EXPECT_TRUE(Shown(L"Forward") && !Shown(L"Cancel"));
            fake::Key(Main(), ui::kKeyEscape);  // Cancel does nothing here
            EXPECT_FALSE(frmQueryCancel::Instance().IsLoaded());
            fake::Ui().findable[L"Shell_TrayWnd\n"] = 0x77;
            EXPECT_THROW(Enter(), fake::ProgramEnded);
            EXPECT_EQ(fake::Ui().setWindowPos.back().window, 0x77u);
            EXPECT_EQ(fake::Ui().setWindowPos.back().flags, 0x40u);
            EXPECT_TRUE(fake::HasFile(L"C:\\TEMP\\kti.kti"));
            EXPECT_TRUE(fake::HasFile(L"c:\\gprs.kti"));
            EXPECT_EQ(fake::StringOf(kLM, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"kt"),
                      L"C:\\TEMP\\kt\\wizard.exe");
            EXPECT_EQ(fake::W().exitWindows.size(), 1u);
        }
    }
}

// Windows ME with only the network infrared key: the patch gets the first
// free port and InstallTimer leads to the reboot page; infrared with no
// serial port at all skips the port list.
TEST_F(PageSequenceTest, MePatchAndInfraredWithoutPorts) {
    System(L"WinME", 1);
    Ports({1, 2, 3, 4, 5, 6, 7, 8});
    fake::MakeKey(kLM, L"Enum\\Network\\IRDA");
    FormHandling::ShowPage(2);
    fake::Click(Item(L"OptIRDA"));
    Enter();
    EXPECT_EQ(Rs.CurrentPage, 2);
    EXPECT_EQ(Rs.IrDAPatchPort, L"COM9");
    ASSERT_EQ(fake::W().started.size(), 1u);
    EXPECT_EQ(fake::W().started[0], L"C:\\TEMP\\kt\\irdame.exe COM9 C:\\TEMP\\KTI1A.TMP");
    EXPECT_FALSE(Shown(L"Forward") || Shown(L"Cancel"));
    Enter();
    EXPECT_EQ(fake::W().started.size(), 1u);
    ui::Control& timer = Item(L"InstallTimer");
    Report(L"IrDA", L"GetDirectory", L"1");
    fake::Ui().folderAnswers = {L"E:\\"};
    fake::Tick(timer);
    fake::Tick(timer);  // answered in both sections: asked once only
    EXPECT_EQ(fake::Ui().folderDialogs.size(), 1u);
    EXPECT_EQ(IniHand::ReadIni(L"CM_32", L"Path", L"", kTrigger), L"E:\\");
    Report(L"IrDA", L"trigger", L"101");
    fake::Tick(timer);
    EXPECT_EQ(Rs.CurrentPage, 6);
    EXPECT_TRUE(Logged(L"ME-Patch installation ready"));

    SetUp();
    System(L"Win98", 1);
    fake::MakeKey(kLM, L"Enum\\INFRARED");
    Rs.UseIrDA = true;
    FormHandling::ShowPage(5);
    EXPECT_EQ(Rs.CurrentPage, 3);
    EXPECT_TRUE(Rs.NoPortSkip);
    EXPECT_TRUE(Logged(L"No ComPorts found"));
    EXPECT_FALSE(Main().Find(L"lstCom"));
    EXPECT_TRUE(fake::HasFile(L"C:\\WINDOWS\\inf\\mdmvlm.inf"));

    SetUp();  // the cable path shows the empty list without Forward
    System(L"Win98", 1);
    FormHandling::ShowPage(5);
    EXPECT_EQ(Rs.CurrentPage, 5);
    EXPECT_EQ(Item(L"lstCom").ListCount(), 0);
    EXPECT_FALSE(Shown(L"Forward"));
}

// Page 7: the installer in infrared mode on 2000/XP only, the wait for the
// modem's registration, then the infrared search.
TEST_F(PageSequenceTest, InfraredWaitAndSearch) {
    const wchar_t* const kNtModems =
        L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}\\";
    System(L"Win98", 1);
    Rs.UseIrDA = true;
    FormHandling::ShowPage(7);
    EXPECT_TRUE(fake::W().started.empty());
    EXPECT_EQ(Item(L"Label").Caption(), L"Hold it.");
    ui::Control& timer = Item(L"IrDATimer");
    EXPECT_EQ(fake::TimerInterval(timer), 500u);
    for (int i = 0; i < 61; ++i) fake::Tick(timer);
    EXPECT_TRUE(fake::TimerRunning(timer));
    Enter();  // Forward is not offered yet
    EXPECT_EQ(gProbes, 0);
    fake::Tick(timer);
    EXPECT_FALSE(fake::TimerRunning(timer));
    EXPECT_TRUE(Shown(L"Forward"));

    gProbeResults = {0, 0, 5};
    Rs.ComPort = L"COM1";
    Enter();
    EXPECT_EQ(gProbes, 3);
    EXPECT_EQ(fake::Ui().inputDiscarded, 1);  // nor on page 14
    EXPECT_EQ(Item(L"Label").Caption(), L"Done.");
    EXPECT_EQ(Count(L"Modem detected on port: COM5"), 2);
    EXPECT_TRUE(Logged(L"Try detected on IRDA-Port Try-Nr.: 2"));
    EXPECT_FALSE(Logged(L"Try detected on IRDA-Port Try-Nr.: 3"));
    EXPECT_EQ(Rs.ComPort, L"COM5");
    EXPECT_EQ(Rs.ModemName, L"GPRS via IRDA");
    EXPECT_TRUE(Shown(L"Finish"));

    SetUp();  // XP: the installer in infrared mode; key 0010 is never read
    System(L"WinXP", 2);
    Rs.UseIrDA = true;
    fake::SetString(kLM, std::wstring(kNtModems) + L"0010", L"DriverDesc", L"GPRS via IRDA");
    fake::SetString(kLM, std::wstring(kNtModems) + L"0003", L"DriverDesc", L"gprs via irda");
    FormHandling::ShowPage(7);
    ASSERT_EQ(fake::W().started.size(), 1u);
    EXPECT_EQ(fake::W().started[0].substr(fake::W().started[0].size() - 2), L" 1");
    // The cancel query keeps the main window's band: out while the installer may raise a dialog, in after.
    fake::Key(Main(), ui::kKeyEscape);
    EXPECT_FALSE(fake::WindowTopMost(frmQueryCancel::Instance().Handle()));
    ui::Control& xpTimer = Item(L"IrDATimer");
    for (int i = 0; i < 241; ++i) fake::Tick(xpTimer);
    EXPECT_TRUE(fake::TimerRunning(xpTimer));
    fake::SetString(kLM, std::wstring(kNtModems) + L"0009", L"DriverDesc", L"Std GPRS via IRDA modem");
    fake::Tick(xpTimer);
    EXPECT_FALSE(fake::TimerRunning(xpTimer));
    EXPECT_EQ(Rs.IrDATimerTicks, 243);
    EXPECT_TRUE(fake::WindowTopMost(frmQueryCancel::Instance().Handle()) && fake::WindowTopMost(Main().Handle()));
    fake::Key(frmQueryCancel::Instance(), ui::kKeyReturn);  // Back

    Rs.ComPort = L"COM1";
    Enter();  // never found: ten attempts, the label counts to ten
    EXPECT_EQ(gProbes, 10);
    EXPECT_EQ(Count(L"Modem detected on port: COM0"), 1);
    EXPECT_TRUE(Logged(L"Try detected on IRDA-Port Try-Nr.: 10"));
    EXPECT_EQ(Rs.ComPort, L"COM1");
}

// NT skips page 2; Cancel asks on pages 2-5 and 7, ends at once on page 1.
TEST_F(PageSequenceTest, NtStartsAtThePortSearchAndCancelAsks) {
    System(L"WinNT", 2);
    ToPage2();
    EXPECT_EQ(Rs.CurrentPage, 4);
    EXPECT_EQ(fake::StringOf(kLM, L"Software\\Valmor GPRS", L"InstalledDevices"), L"3");
    fake::Click(Item(L"lblManCom"));
    Enter();
    EXPECT_EQ(Rs.CurrentPage, 5);
    fake::Key(Main(), ui::kKeyEscape);
    EXPECT_TRUE(frmQueryCancel::Instance().IsLoaded());
}

}  // namespace
