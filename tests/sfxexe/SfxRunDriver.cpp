// Runs self-extractors the way a script or an unattended installation does,
// all of them in one Windows process (each program start is slow under an
// emulator): a scenario starts one command line, answers the message boxes
// that the program shows with the buttons it lists, and checks the exit code.
// Two scenarios run at a time.
//   sfx_run_driver LIST
// LIST holds one scenario a line, fields separated by tabs:
//   NAME  EXIT  ANSWERS  FOLDER  COMMAND LINE
// EXIT: the exit code expected, or "any" where the caller judges the outcome
// from the printed lines: every box is then answered OK. ANSWERS: the
// buttons to press, one per box in order (ok, yes, no, cancel), or "-" for
// none. FOLDER: the working folder of the program, "-" for the
// driver's own. Every box is printed as "box NAME: CAPTION | TEXT" with line
// breaks written \r and \n, for the caller to compare with the language text,
// and every exit code as "exit NAME: CODE".
// Each program's standard error goes to marks-NAME.txt in the driver's
// folder, where the marks of its run land when BR7ZSFX_MARKS is set.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "UiSteps.h"

namespace {

// Generous: an extraction under the emulator takes minutes on a busy machine.
constexpr auto kScenarioPatience = std::chrono::minutes(15);
std::mutex outputLock;

// Scenarios report from two threads.
void Report(bool ok, const std::string& what) {
    std::lock_guard<std::mutex> lock(outputLock);
    Check(ok, what);
}

struct Scenario {
    std::string name;
    bool anyOutcome = false;
    DWORD exitCode = 0;
    std::vector<std::string> answers;
    std::string folder;
    std::string commandLine;
};

std::vector<std::string> SplitFields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    return fields;
}

std::vector<Scenario> ReadScenarios(const char* path) {
    std::vector<Scenario> scenarios;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto fields = SplitFields(line, '\t');
        if (fields.size() != 5) continue;
        const bool any = fields[1] == "any";
        Scenario s{fields[0], any, any ? 0 : DWORD(std::stoul(fields[1])), {}, fields[3], fields[4]};
        if (fields[2] != "-") s.answers = SplitFields(fields[2], ',');
        scenarios.push_back(s);
    }
    return scenarios;
}

std::wstring WideFromUtf8(const std::string& text) {
    std::wstring wide(size_t(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()));
    return wide;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

int ButtonId(const std::string& answer) {
    if (answer == "yes") return IDYES;
    if (answer == "no") return IDNO;
    if (answer == "cancel") return IDCANCEL;
    return IDOK;
}

// Presses the button of the next answer; a box nobody expected gets Cancel
// (or OK, where it has only that) and fails the scenario.
void Answer(const Scenario& s, HWND box, size_t& next) {
    {
        std::lock_guard<std::mutex> lock(outputLock);
        std::printf("box %s: %s | %s\n", s.name.c_str(), TextOf(box).c_str(), Escaped(MessageBoxText(box)).c_str());
        std::fflush(stdout);
    }
    if (s.anyOutcome) {
        PressBoxButton(box, IDOK);
        return;
    }
    const bool expected = next < s.answers.size();
    Report(expected, s.name + ": a box was expected");
    const int button = expected ? ButtonId(s.answers[next++]) : IDCANCEL;
    if (!PressBoxButton(box, button)) PressBoxButton(box, IDOK);
}

void Run(const Scenario& s) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE marks = CreateFileA(("marks-" + s.name + ".txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Report(marks != INVALID_HANDLE_VALUE, s.name + ": a file for its standard error");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = marks;
    PROCESS_INFORMATION process{};
    // The list is UTF-8: names outside the code page reach the program whole.
    std::wstring commandLine = WideFromUtf8(s.commandLine);
    const std::wstring folder = WideFromUtf8(s.folder);
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        s.folder == "-" ? nullptr : folder.c_str(), &startup, &process);
    if (marks != INVALID_HANDLE_VALUE) CloseHandle(marks);
    if (!started) {
        Report(false, s.name + ": started (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    size_t next = 0;
    const auto end = std::chrono::steady_clock::now() + kScenarioPatience;
    bool ended = false;
    while (!(ended = WaitForSingleObject(process.hProcess, 200) == WAIT_OBJECT_0)) {
        if (std::chrono::steady_clock::now() > end) break;
        if (HWND box = FindProcessWindow(process.dwProcessId, "#32770")) Answer(s, box, next);
    }
    if (!ended) TerminateProcess(process.hProcess, 99);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Report(ended, s.name + ": ended in time");
    {
        std::lock_guard<std::mutex> lock(outputLock);
        std::printf("exit %s: %lu\n", s.name.c_str(), code);
        std::fflush(stdout);
    }
    if (s.anyOutcome) return;
    Report(next == s.answers.size(), s.name + ": showed every expected box");
    Report(code == s.exitCode, s.name + ": exit code " + std::to_string(code) + ", expected " + std::to_string(s.exitCode));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sfx_run_driver LIST\n");
        return 2;
    }
    // Wine does not pass the caller's TEMP on; the programs get the folder
    // that the test watches.
    char temp[MAX_PATH] = {};
    if (GetEnvironmentVariableA("SFX_TEMP", temp, MAX_PATH)) {
        SetEnvironmentVariableA("TMP", temp);
        SetEnvironmentVariableA("TEMP", temp);
    }
    const auto scenarios = ReadScenarios(argv[1]);
    Check(!scenarios.empty(), "the list holds scenarios");
    for (size_t i = 0; i < scenarios.size(); i += 2) {
        std::thread second;
        if (i + 1 < scenarios.size()) second = std::thread(Run, scenarios[i + 1]);
        Run(scenarios[i]);
        if (second.joinable()) second.join();
    }
    std::printf("%d failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}
