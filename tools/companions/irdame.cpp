// Stand-in for the Windows ME infrared patch: irdame.exe PORT TRIGGERFILE.
#include "Companion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record("irdame");
    // With no free port the wizard passes an empty port: the file is the last word.
    std::string trigger = companion::Word(2).empty() ? companion::Word(1) : companion::Word(2);
    companion::Report(trigger, "IrDA", 0, 5, 500);
    return 0;
}
