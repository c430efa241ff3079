// The answers to the archive session's password requests during one run.
// The user is asked once: the text accepted then answers every later
// request, also when the archive rejected it. An empty text is a refusal,
// which cancels the run; the requests that still come while it stops get
// the empty password without asking again.
#pragma once

#include <functional>
#include <optional>
#include <string>

struct PasswordMemory {
    std::wstring enteredPassword;  // empty until a password is accepted
    bool refused = false;
};

// The password for one request, or nothing when the prompt was refused.
// ask shows the prompt and returns the text accepted there, empty when the
// user refused it.
std::optional<std::wstring> AnswerPasswordRequest(PasswordMemory& memory, const std::function<std::wstring()>& ask);
