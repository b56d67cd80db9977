#include "inspection/DetectComModem.h"

#include <string>

#include "core/FormHandling.h"
#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "inspection/ModemProbe.h"
#include "install/WriteSetupData.h"
#include "platform/IniHand.h"
#include "platform/StringTable.h"
#include "platform/sys/Ui.h"
#include "platform/ui/Ui.h"

namespace DetectComModem {

namespace {

constexpr int16_t kNotFoundMessage = 104;
constexpr int16_t kRepeatCancel = 5;
const wchar_t* const kGivenUp = L"99";

// Windows hands keys typed while the probe blocks the window to whatever has
// the focus when they are read: an Enter would press "Try again" on message
// 104 before it is even drawn. Dropped after each search.
std::wstring Probe() {
    std::wstring port = std::to_wstring(ModemProbe::DetectModemPort());
    sys::DiscardPendingInput();
    return port;
}

}  // namespace

int16_t DetectComModem() {
    IniHand::WriteLog(L"user choice automatic or manuel COM-Selection: Automatic");
    Rs.MessageRepeat = true;
    ui::Form& main = FormHandling::MainForm();
    FormHandling::HideButtons();
    // The probe blocks the window: show the state it is in before it does.
    main.SetMousePointer(ui::kPointerHourglass);
    main.Refresh();
    Rs.PortSearchResult = Probe();
    while (Rs.PortSearchResult == L"0") {
        IniHand::WriteLog(L"Modem detected on port: COM" + Rs.PortSearchResult);
        Rs.MessageId = kNotFoundMessage;
        Rs.MessageButtons = kRepeatCancel;
        frmMessage::ShowModal();
        if (!Rs.MessageRepeat) {
            Rs.PortSearchResult = kGivenUp;
        } else {
            main.Refresh();
            Rs.PortSearchResult = Probe();
        }
    }
    // Nor on the next page.
    sys::DiscardPendingInput();
    main.SetMousePointer(ui::kPointerCustom);
    Rs.ModemName = StringTable::ProgramString(1004);
    IniHand::WriteLog(L"Modem detected on port: COM" + Rs.PortSearchResult);
    if (Rs.PortSearchResult == kGivenUp) return 5;
    Rs.ComPort = L"COM" + Rs.PortSearchResult;
    WriteSetupData::WriteSetupData();
    return 3;
}

}  // namespace DetectComModem
