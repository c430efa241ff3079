// The few things the window code does to its controls, one system call
// each. A control whose window is gone (a null handle) is left alone, so
// that code still running after the window closed touches nothing.
#pragma once

#include <windows.h>

#include <string>

void SetText(HWND control, const std::string& ansiText);
void SetText(HWND control, const std::wstring& text);
std::wstring TextOf(HWND control);
void SetVisible(HWND control, bool visible);
// The control's rectangle in its parent's client coordinates; empty for a
// control that is gone.
RECT RectInParent(HWND control);
void Enable(HWND control, bool enabled);
bool IsChecked(HWND button);
void SetChecked(HWND button);
void SetProgress(HWND progressBar, int percent);
void Focus(HWND control);
// The message-table text of a control, with "&" marks shown as accelerators.
void SetMessageText(HWND control, int message);
