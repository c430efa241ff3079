// Control identifiers of Form2, the password window; the window driver of
// the tests finds the controls by them. Enter and Escape reach Button1 and
// Button2 through the standard identifiers.
#pragma once

constexpr int kForm2Label1Id = 200;
constexpr int kForm2EditBox1Id = 201;
constexpr int kForm2Button1Id = 1;  // IDOK
constexpr int kForm2Button2Id = 2;  // IDCANCEL

constexpr wchar_t kForm2ClassName[] = L"TForm2";
