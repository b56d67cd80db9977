// porthold COMn: another program holding a port. Opens it exclusively, sets
// the event "ktmodem-test-held" and keeps it open until "ktmodem-test-release"
// is set (at most a minute).
#include <windows.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HANDLE port = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) return 1;
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, "ktmodem-test-held");
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, "ktmodem-test-release");
    if (held) SetEvent(held);
    if (release) WaitForSingleObject(release, 60000);
    CloseHandle(port);
    return 0;
}
