// Stand-in for the Windows ME infrared patch: irdame.exe PORT TRIGGERFILE.
// Reports in section "IrDA" as irdame.scn beside it says, else counts 0 to
// 100 and ends with 101.
#include "Companion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record("irdame");
    // With no free port the wizard passes an empty port: the file is the last word.
    std::string exchange = companion::LastWord();
    std::vector<std::string> scenario;
    if (companion::LoadScenario("irdame", "", scenario))
        companion::Play("irdame", scenario, "IrDA", exchange);
    else
        companion::Report(exchange, "IrDA", 0, 5, 500);
    return 0;
}
