// probecall DLL [ten arguments]: loads the probe library, makes one call and
// prints "result <port> ms <elapsed>". "(null)" passes a null pointer; missing
// arguments take the wizard's values. Used by tools/bench-probe.sh.
#include <windows.h>

#include <cstdio>
#include <cstring>

using Detect = int(WINAPI*)(const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: probecall DLL [preferred baud read write command m1 m2 m3 f1 f2]\n");
        return 2;
    }
    const char* args[10] = {"1", "57600", "10", "10", "ATI9", "VALMOR", "72", "73", "", ""};
    for (int i = 0; i < 10 && i + 2 < argc; ++i) args[i] = std::strcmp(argv[i + 2], "(null)") ? argv[i + 2] : nullptr;
    HMODULE dll = LoadLibraryA(argv[1]);
    Detect detect =
        dll ? reinterpret_cast<Detect>(reinterpret_cast<void*>(GetProcAddress(dll, "_detectModemPort@40"))) : nullptr;
    if (!detect) {
        std::fprintf(stderr, "probecall: cannot load %s\n", argv[1]);
        return 1;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int result = detect(args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8], args[9]);
    QueryPerformanceCounter(&end);
    double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("result %d ms %.1f\n", result, ms);
    return 0;
}
