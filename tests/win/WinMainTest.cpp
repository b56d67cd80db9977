// Entry of win_tests.exe. With "--child FILE MS" it acts as the program that
// the process tests start: it waits MS milliseconds, then creates FILE.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        HANDLE h = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return 1;
        CloseHandle(h);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
