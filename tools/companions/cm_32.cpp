// Stand-in for the system check and modem installation program:
// cm_32.exe KTDIR TRIGGERFILE MODE. Reports progress in section "CM_32".
// The environment variable CM32_RESULT=error or =cancel makes it end that way.
#include "Companion.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    companion::Record("cm_32");
    std::string trigger = companion::Word(2);
    const char* result = std::getenv("CM32_RESULT");
    if (result && *result) {
        WritePrivateProfileStringA("CM_32", "trigger", "30", trigger.c_str());
        Sleep(1500);
        WritePrivateProfileStringA("CM_32", "triggertext", result, trigger.c_str());
        return 0;
    }
    companion::Report(trigger, "CM_32", 2100, 10, 600);
    return 0;
}
