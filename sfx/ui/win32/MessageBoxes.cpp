#include "MessageBoxes.h"

#include "StartupState.h"
#include "SystemPath.h"
#include "UnattendedBox.h"

int ShowBox(const std::wstring& text, const std::wstring& caption, UINT style) {
    if (unattended) {
        WriteErrorLine(text);
        return UnattendedAnswer(style);
    }
    // A box that cannot be shown answers 0, which every caller takes as the
    // answer that loses nothing.
    return MessageBoxW(nullptr, text.c_str(), caption.c_str(), style);
}

void InformationBox(const std::wstring& text, const std::wstring& caption) {
    ShowBox(text, caption, MB_OK | MB_ICONINFORMATION);
}

void ErrorBox(const std::wstring& text, const std::wstring& caption) { ShowBox(text, caption, MB_OK | MB_ICONERROR); }

void PlainBox(const std::wstring& text, const std::wstring& caption) { ShowBox(text, caption, MB_OK); }

void WriteErrorLine(const std::wstring& text) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    const std::wstring line = OneLine(text) + L"\r\n";
    DWORD mode = 0, written = 0;
    // Deliberately unchecked, as nobody is there to be told that the telling failed.
    if (GetConsoleMode(error, &mode)) {
        WriteConsoleW(error, line.data(), DWORD(line.size()), &written, nullptr);
        return;
    }
    const std::string bytes = Utf8FromWide(line);
    WriteFile(error, bytes.data(), DWORD(bytes.size()), &written, nullptr);
}
