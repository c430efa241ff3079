// The program's boxes, none with an owner window; the texts are
// message-table entries or fixed ones of the start-up. Unattended ("-u"),
// none is shown: its text goes to standard error as one line, and the box
// counts as answered the way that loses nothing (UnattendedBox.h).
#pragma once

#include <windows.h>

#include <string>

// The button pressed, or the one the box counts as answered with.
int ShowBox(const std::wstring& text, const std::wstring& caption, UINT style);

void InformationBox(const std::wstring& text, const std::wstring& caption);
void ErrorBox(const std::wstring& text, const std::wstring& caption);
// Only an OK button, no icon.
void PlainBox(const std::wstring& text, const std::wstring& caption);

// The text as one line on the standard error handle the program was given:
// wide on a console, UTF-8 into a file or pipe; nothing without a handle.
void WriteErrorLine(const std::wstring& text);
