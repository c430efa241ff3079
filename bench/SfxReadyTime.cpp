// How long a person waits for the self-extractor's window to be ready:
// starts SFX with its arguments, and prints the seconds from the start until
// its main window is listed and Extract can be pressed; then closes it.
//   SfxReadyTime SFX [ARGUMENTS]
// Exit code 0 when the window became ready, 1 otherwise, 2 for a bad command
// line.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Form1Ids.h"
#include "UiSteps.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: SfxReadyTime SFX [ARGUMENTS]\n", stderr);
        return 2;
    }
    std::string line = std::string("\"") + argv[1] + "\"";
    for (int i = 2; i < argc; ++i) line += std::string(" ") + argv[i];
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, ready, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "SfxReadyTime: cannot start %s\n", argv[1]);
        return 1;
    }
    HWND form = nullptr;
    const bool shown = WaitUntil([&] {
        form = FindProcessWindow(process.dwProcessId, "TForm1");
        return form && IsWindowEnabled(GetDlgItem(form, kButton2Id));
    });
    QueryPerformanceCounter(&ready);
    if (shown) {
        std::printf("ready %.3f s\n", double(ready.QuadPart - start.QuadPart) / double(frequency.QuadPart));
        PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        std::fprintf(stderr, "SfxReadyTime: the window did not become ready\n");
        TerminateProcess(process.hProcess, 99);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown ? 0 : 1;
}
