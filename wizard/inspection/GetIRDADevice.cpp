#include "inspection/GetIRDADevice.h"

#include <string>

#include "core/FormHandling.h"
#include "core/RunState.h"
#include "core/frmMain.h"
#include "inspection/ModemProbe.h"
#include "localisation/ResHandling.h"
#include "platform/IniHand.h"
#include "platform/StringTable.h"
#include "platform/sys/Ui.h"
#include "platform/ui/Ui.h"

namespace GetIRDADevice {

namespace {

constexpr int kAttempts = 10;

}  // namespace

std::wstring AttemptText(int attempt) {
    std::wstring text = ResHandling::GetLanguageString(2007);
    const std::wstring mark = L"(%s)", number = std::to_wstring(attempt);
    for (size_t at = text.find(mark); at != std::wstring::npos; at = text.find(mark, at + number.size()))
        text.replace(at, mark.size(), number);
    return text;
}

void DetectIrDAModem() {
    IniHand::WriteLog(L"detect IRDA-Port");
    ui::Form& main = FormHandling::MainForm();
    int32_t port = 0;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        port = ModemProbe::DetectModemPort();
        if (port != 0) {
            IniHand::WriteLog(L"Modem detected on port: COM" + std::to_wstring(port));
            break;
        }
        IniHand::WriteLog(L"Try detected on IRDA-Port Try-Nr.: " + std::to_wstring(attempt));
        frmMain::Ctl().Label->SetCaption(AttemptText(attempt));
        main.Refresh();
    }
    IniHand::WriteLog(L"Modem detected on port: COM" + std::to_wstring(port));
    // The search may have blocked the window for minutes: an Enter given
    // meanwhile must not press Finish on the page that follows.
    sys::DiscardPendingInput();
    if (port != 0) {
        Rs.ComPort = L"COM" + std::to_wstring(port);
        Rs.ModemName = StringTable::ProgramString(1017);
    }
    frmMain::Ctl().Forward->SetVisible(true);
    frmMain::Ctl().lblForward->SetVisible(true);
}

}  // namespace GetIRDADevice
