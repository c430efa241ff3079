// Control identifiers of Form1; the window driver of the tests finds the
// controls by them. Enter and Escape reach Button2 and Button3 through the
// standard identifiers.
#pragma once

constexpr int kImageShow1Id = 100;
constexpr int kLabelExtractToId = 101;
constexpr int kEditBox1Id = 102;
constexpr int kButtonBrowseId = 103;
constexpr int kButton2Id = 1;  // IDOK
constexpr int kButton3Id = 2;  // IDCANCEL
constexpr int kButton4Id = 104;
constexpr int kLabelFilesId = 105;
constexpr int kListFilesId = 106;
constexpr int kGroupBox1Id = 107;
constexpr int kRadioBox1Id = 108;
constexpr int kRadioBox2Id = 109;
constexpr int kRadioBox3Id = 110;
constexpr int kProgressBar1Id = 111;
constexpr int kLabelLinkId = 112;

constexpr wchar_t kForm1ClassName[] = L"TForm1";
