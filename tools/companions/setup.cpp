// Stand-in for the dialer setup and the IrComm hotfix installers: records its
// command line, waits as NAME.scn beside it says (only "sleep" counts: these
// programs report nothing), then tells every top-level window that settings
// changed, as setup programs do, with SendMessage: it returns only when each
// window has answered, so a caller that waits without answering sent messages
// hangs here. "NAME-broadcast|answered" in the log says it came back.
#include "Companion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record(COMPANION_NAME);
    std::vector<std::string> scenario, waits;
    if (companion::LoadScenario(COMPANION_NAME, "", scenario))
        for (const std::string& line : scenario)
            if (line.compare(0, 6, "sleep ") == 0) waits.push_back(line);
    companion::Play(COMPANION_NAME, waits, "", "");
    SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"));
    companion::Log(std::string(COMPANION_NAME) + "-broadcast|answered");
    return 0;
}
