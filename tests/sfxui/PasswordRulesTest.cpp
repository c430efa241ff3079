// The password window's rules: its caption from message 51 and the prompt
// name, and the answers to a run's password requests.
#include <gtest/gtest.h>

#include <vector>

#include "PasswordCaption.h"
#include "PasswordRequest.h"

namespace {

TEST(PasswordCaption, RemovesThePlaceholderAndAppendsTheName) {
    const struct {
        const wchar_t* message;
        const wchar_t* name;
        const wchar_t* caption;
    } cases[] = {
        {L"Please enter the password for %s", L"C:\\out\\a.txt", L"Please enter the password for C:\\out\\a.txt"},
        // No name yet (a request during the listing): "for" goes with "%s".
        {L"Please enter the password for %s", L"", L"Please enter the password  "},
        // The name goes to the end, wherever "%s" stood.
        {L"Password for %s, please", L"C:\\a.txt", L"Password for , pleaseC:\\a.txt"},
        {L"Password for %s, please", L"", L"Password  , please"},
        {L"Enter the password", L"C:\\a.txt", L"Enter the passwordC:\\a.txt"},
        {L"Enter the password", L"", L"Enter the password"},
        {L"Passwort: %s", L"", L"Passwort: "},
        {L"Passwort: %s", L"C:\\a.txt", L"Passwort: C:\\a.txt"},
        // Only the first of each goes, and "for" also inside a word.
        {L"%s for %s for", L"", L"  %s for"},
        {L"Enter the password before %s", L"", L"Enter the password bee "},
        {L"", L"", L""},
        {L"", L"C:\\a.txt", L"C:\\a.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PasswordCaption(c.message, c.name), c.caption) << c.message << " / " << c.name;
}

// A run's requests, each answered by the prompt or from memory; the
// prompt gives the answers in turn.
TEST(PasswordRequest, AskedOnceRefusalCancels) {
    const std::optional<std::wstring> refused;
    const struct {
        std::vector<std::wstring> typed;  // what the prompt returns at each showing
        size_t requests;
        size_t shown;
        std::vector<std::optional<std::wstring>> answers;
    } cases[] = {
        {{L"secret"}, 3, 1, {L"secret", L"secret", L"secret"}},
        {{L""}, 1, 1, {refused}},
        {{L"", L"secret"}, 3, 1, {refused, refused, refused}},
        {{L"x"}, 1, 1, {L"x"}},
        {{}, 0, 0, {}},
    };
    for (const auto& c : cases) {
        PasswordMemory memory;
        size_t shown = 0;
        std::vector<std::optional<std::wstring>> answers;
        for (size_t i = 0; i < c.requests; ++i)
            answers.push_back(AnswerPasswordRequest(memory, [&] { return c.typed.at(shown++); }));
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(answers, c.answers);
        EXPECT_EQ(memory.refused, !c.answers.empty() && !c.answers[0].has_value());
        EXPECT_EQ(memory.enteredPassword, c.answers.empty() || !c.answers[0] ? L"" : *c.answers[0]);
    }
}

}  // namespace
