// Stand-in for the dialer setup and the IrComm hotfix installers: records its
// command line, waits as NAME.scn beside it says (only "sleep" counts: these
// programs report nothing), and ends.
#include "Companion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record(COMPANION_NAME);
    std::vector<std::string> scenario, waits;
    if (companion::LoadScenario(COMPANION_NAME, "", scenario))
        for (const std::string& line : scenario)
            if (line.compare(0, 6, "sleep ") == 0) waits.push_back(line);
    companion::Play(COMPANION_NAME, waits, "", "");
    return 0;
}
