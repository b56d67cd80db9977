// Shared parts of the stand-ins for the companion programs that ship in the kt
// directory. Each records its command line in "companions.log" beside itself,
// so tests can check what the wizard started.
#pragma once

#include <windows.h>

#include <string>

namespace companion {

inline std::string OwnDirectory() {
    char buf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string path = buf;
    return path.substr(0, path.find_last_of('\\') + 1);
}

inline void Record(const char* name) {
    std::string line = std::string(name) + "|" + GetCommandLineA() + "\r\n";
    HANDLE h = CreateFileA((OwnDirectory() + "companions.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(h);
}

// The words of the command line, split at blanks the way the wizard joins them.
inline std::string Word(int index) {
    std::string cmd = GetCommandLineA(), word;
    int n = 0;
    bool quoted = false;
    for (size_t i = 0; i <= cmd.size(); ++i) {
        char c = i < cmd.size() ? cmd[i] : ' ';
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ' ' && !quoted) {
            if (!word.empty()) {
                if (n++ == index) return word;
                word.clear();
            }
            continue;
        }
        word += c;
    }
    return std::string();
}

// Reports progress in a section of the exchange file: 0 to 100, then 101.
inline void Report(const std::string& file, const char* section, int firstText, int steps, DWORD stepMs) {
    for (int i = 0; i <= steps; ++i) {
        int percent = i * 100 / steps;
        WritePrivateProfileStringA(section, "trigger", std::to_string(percent).c_str(), file.c_str());
        if (firstText > 0)
            WritePrivateProfileStringA(section, "triggertext", std::to_string(firstText + i % 8).c_str(),
                                       file.c_str());
        Sleep(stepMs);
    }
    WritePrivateProfileStringA(section, "trigger", "101", file.c_str());
}

}  // namespace companion
