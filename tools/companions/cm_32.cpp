// Stand-in for the system check and modem installation program:
// cm_32.exe KTDIR TRIGGERFILE MODE (MODE 0 cable, 1 infrared). Reports in
// section "CM_32" as cm_32-MODE.scn or cm_32.scn beside it says, else counts
// 0 to 100 with status texts and ends with 101.
#include "Companion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record("cm_32");
    std::string exchange = companion::Word(2);
    std::vector<std::string> scenario;
    if (companion::LoadScenario("cm_32", companion::LastWord(), scenario))
        companion::Play("cm_32", scenario, "CM_32", exchange);
    else
        companion::Report(exchange, "CM_32", 2100, 10, 600);
    return 0;
}
