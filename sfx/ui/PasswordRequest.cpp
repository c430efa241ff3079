#include "PasswordRequest.h"

std::optional<std::wstring> AnswerPasswordRequest(PasswordMemory& memory, const std::function<std::wstring()>& ask) {
    if (!memory.enteredPassword.empty()) return memory.enteredPassword;
    if (memory.refused) return std::nullopt;
    memory.enteredPassword = ask();
    memory.refused = memory.enteredPassword.empty();
    if (memory.refused) return std::nullopt;
    return memory.enteredPassword;
}
