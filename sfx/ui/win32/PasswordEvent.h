// The answer to the archive session's password requests (OnPassword): the
// password accepted in Form2 earlier in the run, or Form2 shown now. A
// refused prompt cancels the run.
#pragma once

#include <string>

#include "PasswordRequest.h"

class TSevenZip;

// What the user gave Form2 during this run: one process, one run.
extern PasswordMemory passwordMemory;

void PasswordEvent(TSevenZip* Sender, const std::wstring& FileName, std::wstring& Password);
