// Under "-u" nobody is there to answer a box: its text goes to the standard
// error handle as one line, and the run goes on as after the answer that
// loses nothing: OK where a box has nothing else, No where it asks whether
// to replace a file, so that the file stays.
#pragma once

#include <cstdint>
#include <string>

// The system's numbers of the buttons and of the box styles.
enum BoxAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

int UnattendedAnswer(uint32_t boxStyle);

// The text as one line: each run of line breaks and tabs becomes one blank,
// and blanks at either end go.
std::wstring OneLine(const std::wstring& text);
