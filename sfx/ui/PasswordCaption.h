// The caption of the password window, made from message 51 and the prompt
// name: the destination path of the file the session started last, empty
// while the archive is being listed.
#pragma once

#include <string>

// Removes the first "%s" and, without a name, the first "for" too; the name
// then goes to the end, wherever "%s" stood.
std::wstring PasswordCaption(const std::wstring& message, const std::wstring& promptName);
