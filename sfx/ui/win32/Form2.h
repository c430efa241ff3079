// Form2, the password window: hidden until the archive session needs a
// password, then shown modally over its owner Form1, which it disables
// meanwhile. It lives until the process ends, unless Form1's window goes
// first and takes it along; its handles are then null and it asks nothing.
#pragma once

#include <windows.h>

#include <string>

#include "FormWindow.h"

class TForm2 {
public:
    // The hidden window and its controls, set up once; false when the
    // window cannot be made.
    bool Create(HWND owner, HFONT font);
    // Shows the window with this caption and returns when it closes: the
    // text accepted, empty when the prompt was refused. EditBox1 keeps its
    // text for the next showing.
    std::wstring ShowModal(const std::wstring& caption);

    HWND Handle = nullptr;
    HWND Label1 = nullptr;
    HWND EditBox1 = nullptr;
    HWND Button1 = nullptr;
    HWND Button2 = nullptr;

private:
    friend LRESULT CALLBACK FormWindowProc<TForm2>(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetUp();
    void RunModalLoop();
    void Accept();
    void Refuse();
    void WindowGone();

    bool open = false;  // shown, neither accepted nor refused yet
    std::wstring accepted;
};

extern TForm2* Form2;
