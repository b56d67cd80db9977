#include "core/runApp.h"

#include "core/frmMain.h"
#include "dialogs/frmQueryCancel.h"
#include "inspection/Dir_File.h"
#include "platform/IniHand.h"
#include "platform/TopMost.h"
#include "platform/sys/Process.h"
#include "platform/sys/Ui.h"
#include "platform/ui/Ui.h"

namespace runApp {

namespace {

bool waiting = false;
bool companionRunning = false;
// The watched companion's process (0 when it could not be started), what
// its section held at the last look and whether that look found it ended.
sys::Handle companion = 0;
std::wstring companionSeen;
bool companionSeenEnded = false;

void ForgetCompanion() {
    sys::CloseHandle(companion);
    companion = 0;
    companionSeen.clear();
    companionSeenEnded = false;
}

// The main window, where it is loaded: not yet during the start-up.
ui::Form* LoadedMain() {
    ui::Form& main = frmMain::Instance();
    return main.IsLoaded() ? &main : nullptr;
}

// The main window and the cancel query over it take or leave the topmost
// band together.
void SetBand(bool topMost) {
    for (ui::Form* form : {&frmMain::Instance(), &frmQueryCancel::Instance()}) {
        if (!form->IsLoaded()) continue;
        if (topMost)
            TopMost::SetTopMost(form->Handle());
        else
            TopMost::LeaveTopMost(form->Handle());
    }
}

void LogFailure(const wchar_t* what, uint32_t error, const std::wstring& commandLine) {
    IniHand::WriteLog(std::wstring(what) + L", error " + std::to_wstring(error) + L": " + commandLine);
}

}  // namespace

void RunAndWait(const std::wstring& commandLine) {
    ui::Form* main = LoadedMain();
    int pointer = ui::kPointerDefault;
    SetBand(false);
    if (main) {
        pointer = main->MousePointer();
        main->SetMousePointer(ui::kPointerHourglass);
        // The page's buttons are gone before the window stops painting.
        main->Refresh();
    }
    {
        // A wait inside another (AbortWizard's, should anything bring it)
        // leaves the outer one waiting.
        struct Flag {
            bool outer = waiting;
            Flag() { waiting = true; }
            ~Flag() { waiting = outer; }
        } flag;
        uint32_t error = 0;
        sys::ScopedHandle process(sys::CreateProcessInherit(commandLine, &error));
        if (!process.Get())
            LogFailure(L"program not started", error, commandLine);
        else if ((error = sys::WaitForProcess(process.Get())) != 0)
            LogFailure(L"wait for program failed", error, commandLine);
    }
    // A double-click or an Enter given to the blocked window must not act on
    // the page that follows (page 6's Forward reboots).
    sys::DiscardPendingInput();
    if (main && main->IsLoaded()) main->SetMousePointer(pointer);
    SetBand(InTopMostBand());
}

bool Waiting() { return waiting; }

bool KeepOpen(int mode) { return mode != ui::kUnloadFormCode && waiting; }

bool InTopMostBand() { return !waiting && !companionRunning; }

void StartProgram(const std::wstring& commandLine) {
    uint32_t error = 0;
    if (!sys::StartMinimisedWithFocus(commandLine, &error)) LogFailure(L"program not started", error, commandLine);
}

void StartCompanion(const std::wstring& commandLine) {
    companionRunning = true;
    SetBand(false);
    ForgetCompanion();
    uint32_t error = 0;
    if (!sys::StartMinimisedWithFocus(commandLine, &error, &companion))
        LogFailure(L"program not started", error, commandLine);
}

bool CompanionEndedUnreported(const std::wstring& seen) {
    // The look that first finds the process gone may have read the section
    // just before the companion wrote its last report and ended: the next
    // look reads it after the end. So it takes two looks in a row that find
    // the companion ended with nothing new between them: two ticks of the
    // watch (2 to 4 s after the end), never while it runs.
    bool ended = !companion || sys::ProcessEnded(companion);
    bool quiet = ended && companionSeenEnded && seen == companionSeen;
    companionSeen = seen;
    companionSeenEnded = ended;
    return quiet;
}

void CompanionReported() {
    companionRunning = false;
    ForgetCompanion();
    SetBand(InTopMostBand());
}

std::wstring ProgramPath(const std::wstring& path) {
    if (path.find(L' ') == std::wstring::npos || (!path.empty() && path[0] == L'"')) return path;
    return L"\"" + path + L"\"";
}

std::wstring Argument(const std::wstring& existing, const std::wstring& tail) {
    std::wstring whole = existing + tail;
    if (whole.find(L' ') == std::wstring::npos) return whole;
    std::wstring shortForm = Dir_File::GetShortPath(existing);
    if (!shortForm.empty() && shortForm.find(L' ') == std::wstring::npos) return shortForm + tail;
    if (whole.back() == L'\\') whole += L'\\';
    return L"\"" + whole + L"\"";
}

}  // namespace runApp
