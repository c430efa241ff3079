#include "PhaseMark.h"

#include <windows.h>

namespace {

constexpr ULONGLONG kFileTimeTicksPerMs = 10000;

ULONGLONG Ticks(const FILETIME& time) { return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

// The handle the marks go to, or null. Marks come from the window's thread
// only, so looking once is enough.
HANDLE MarksHandle() {
    static const HANDLE handle = [] {
        char value[2];
        if (GetEnvironmentVariableA("BR7ZSFX_MARKS", value, sizeof value) == 0) return HANDLE(nullptr);
        const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
        return error == INVALID_HANDLE_VALUE ? HANDLE(nullptr) : error;
    }();
    return handle;
}

}  // namespace

void MarkPhase(const char* name) {
    const HANDLE marks = MarksHandle();
    FILETIME creation, exit, kernel, user, now;
    if (!marks || !GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user)) return;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG elapsed = Ticks(now) > Ticks(creation) ? Ticks(now) - Ticks(creation) : 0;
    char line[96];  // the name is cut to 60 characters, so the line always fits
    const int length =
        wsprintfA(line, "br7zsfx: %.60s %lu ms\r\n", name, static_cast<unsigned long>(elapsed / kFileTimeTicksPerMs));
    DWORD written;
    WriteFile(marks, line, DWORD(length > 0 ? length : 0), &written, nullptr);  // deliberately unchecked: a lost mark harms nothing
}
