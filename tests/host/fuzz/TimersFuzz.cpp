// The watch timers over exchange files of any bytes: a tick of dummyTimer and
// of InstallTimer on page 3, whatever the companion wrote.
#include <string>

#include "FuzzInput.h"
#include "TestSupport.h"
#include "core/FormHandling.h"
#include "core/frmMain.h"
#include "fakes/FakeUi.h"

namespace {

const wchar_t* const kTrigger = L"C:\\TEMP\\KTI1A.TMP";

void FreshPage(const std::map<uint32_t, std::wstring>& config) {
    fake::Reset();
    ResetRunState();
    fake::W().modules[0].strings = config;
    fake::W().modules[0x5000].strings = {{1, L"&Next"}, {2, L"Cancel"}, {5, L"OK"}, {2001, L"Installing."}};
    Rs.LanguageLibrary = 0x5000;
    Rs.TempDir = Rs.WorkDir = L"C:\\TEMP\\";
    Rs.WindowsDir = L"C:\\WINDOWS\\";
    Rs.TriggerFile = kTrigger;
    Rs.OsName = L"WinXP";
    Rs.CurrentForm = &frmMain::Instance();
    frmMain::ProgressValue = 0;
    FormHandling::ShowPage(3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::map<uint32_t, std::wstring> config = (testsupport::FreshWorld(), fake::W().modules[0].strings);
    fuzz::Input in(data, size);

    // A tick of each watch timer over an exchange file of the input's bytes.
    FreshPage(config);
    // A folder request is answered (possibly first with Cancel, which asks again).
    fake::Ui().folderAnswers = {in.Text(), L"D:\\Data"};
    fake::PutFile(kTrigger, in.Rest());
    try {
        frmMain::dummyTimer_Timer();
        frmMain::InstallTimer_Timer();
    } catch (const fake::ProgramEnded&) {
        // "error" and "cancel" end the run through the message dialog.
    }
    return 0;
}
