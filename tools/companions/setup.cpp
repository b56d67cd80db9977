// Stand-in for the dialer setup and the IrComm hotfix installers: records its
// command line and ends.
#include "Companion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record(COMPANION_NAME);
    Sleep(300);
    return 0;
}
