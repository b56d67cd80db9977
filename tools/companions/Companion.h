// Shared parts of the stand-ins for the companion programs that ship in the kt
// directory. Each records its command line in "companions.log" beside itself,
// so tests can check what the wizard started, and may follow a scenario file
// beside itself, so tests can drive every answer the wizard has to handle:
//
//   trigger VALUE   "trigger" = VALUE, verbatim (also "", "abc", "-5", ...)
//   text VALUE      "triggertext" = VALUE
//   sleep MS        wait
//   getdir          "GetDirectory" = 1, then wait (at most 10 minutes) until
//                   the wizard has answered in section "CM_32" and record
//                   "name|path|<the folder it gave>"
//   snapshot        copy the exchange file and kt\mdmvlm.inf as they are now
//                   to kt\seen-trigger.ini and kt\seen-mdmvlm.inf
//   exit            stop here
//
// One command a line; lines starting with '#' and empty lines are skipped.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace companion {

inline std::string OwnDirectory() {
    char buf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string path = buf;
    return path.substr(0, path.find_last_of('\\') + 1);
}

inline void Log(const std::string& text) {
    std::string line = text + "\r\n";
    HANDLE h = CreateFileA((OwnDirectory() + "companions.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(h);
}

inline void Record(const char* name) { Log(std::string(name) + "|" + GetCommandLineA()); }

// The words of the command line, split at blanks the way the wizard joins
// them; runs of blanks count as one, so an empty argument leaves no word.
inline std::vector<std::string> Words() {
    std::string cmd = GetCommandLineA(), word;
    std::vector<std::string> words;
    bool quoted = false;
    for (size_t i = 0; i <= cmd.size(); ++i) {
        char c = i < cmd.size() ? cmd[i] : ' ';
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ' ' && !quoted) {
            if (!word.empty()) words.push_back(word);
            word.clear();
            continue;
        }
        word += c;
    }
    return words;
}

inline std::string Word(size_t index) {
    std::vector<std::string> words = Words();
    return index < words.size() ? words[index] : std::string();
}

inline std::string LastWord() {
    std::vector<std::string> words = Words();
    return words.empty() ? std::string() : words.back();
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The lines of NAME-MODE.scn beside the program, else of NAME.scn; false when
// neither exists. MODE is left out when empty or when it cannot be part of a
// file name (a path).
inline bool LoadScenario(const std::string& name, const std::string& mode, std::vector<std::string>& lines) {
    std::string file = OwnDirectory() + name + "-" + mode + ".scn";
    if (mode.empty() || mode.find_first_of("\\/:*?\"<>|") != std::string::npos || !FileExists(file))
        file = OwnDirectory() + name + ".scn";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    std::string text;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) text.append(buf, got);
    CloseHandle(h);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] != '#') lines.push_back(line);
        start = end + 1;
    }
    return true;
}

inline std::string Read(const char* section, const char* key, const char* fallback, const std::string& file) {
    std::vector<char> buf(65536);
    GetPrivateProfileStringA(section, key, fallback, buf.data(), static_cast<DWORD>(buf.size()), file.c_str());
    return buf.data();
}

inline void Write(const char* section, const char* key, const char* value, const std::string& file) {
    WritePrivateProfileStringA(section, key, value, file.c_str());
}

// Asks the wizard for a folder in SECTION and waits for its answer, which
// always comes in section "CM_32".
inline void AskForFolder(const char* name, const char* section, const std::string& exchange) {
    // A stale answer of an earlier request must not count for this one.
    if (std::string(section) != "CM_32") Write("CM_32", "GetDirectory", nullptr, exchange);
    Write(section, "GetDirectory", "1", exchange);
    for (int i = 0; i < 10 * 60 * 5; ++i) {
        Sleep(200);
        if (Read("CM_32", "GetDirectory", "", exchange) == "0") {
            // The wizard resets only "CM_32"; a request of our own section is
            // withdrawn here, as the real companion does once it has its folder.
            if (std::string(section) != "CM_32") Write(section, "GetDirectory", "0", exchange);
            Log(std::string(name) + "|path|" + Read("CM_32", "Path", "", exchange));
            return;
        }
    }
    Log(std::string(name) + "|no folder");
}

inline void Snapshot(const std::string& exchange) {
    std::string kt = OwnDirectory();
    CopyFileA(exchange.c_str(), (kt + "seen-trigger.ini").c_str(), FALSE);
    if (!CopyFileA((kt + "mdmvlm.inf").c_str(), (kt + "seen-mdmvlm.inf").c_str(), FALSE))
        DeleteFileA((kt + "seen-mdmvlm.inf").c_str());
}

// Runs the scenario's commands against SECTION of the exchange file.
inline void Play(const char* name, const std::vector<std::string>& lines, const char* section,
                 const std::string& exchange) {
    for (const std::string& line : lines) {
        size_t blank = line.find(' ');
        std::string command = line.substr(0, blank);
        std::string value = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (command == "trigger")
            Write(section, "trigger", value.c_str(), exchange);
        else if (command == "text")
            Write(section, "triggertext", value.c_str(), exchange);
        else if (command == "sleep")
            Sleep(static_cast<DWORD>(std::strtoul(value.c_str(), nullptr, 10)));
        else if (command == "getdir")
            AskForFolder(name, section, exchange);
        else if (command == "snapshot")
            Snapshot(exchange);
        else if (command == "exit")
            return;
    }
}

// Without a scenario: progress 0 to 100 in STEPS steps, with status texts
// from FIRSTTEXT on when it is not 0, then 101.
inline void Report(const std::string& file, const char* section, int firstText, int steps, DWORD stepMs) {
    for (int i = 0; i <= steps; ++i) {
        int percent = i * 100 / steps;
        Write(section, "trigger", std::to_string(percent).c_str(), file);
        if (firstText > 0) Write(section, "triggertext", std::to_string(firstText + i % 8).c_str(), file);
        Sleep(stepMs);
    }
    Write(section, "trigger", "101", file);
}

}  // namespace companion
