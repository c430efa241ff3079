// The main window's rules: the items a selection extracts, the overwrite
// policy, the destination's probe file and the outcome of a run.
#include <gtest/gtest.h>

#include <set>

#include "ExtractionOutcome.h"
#include "FileChoice.h"
#include "FolderPaths.h"
#include "OverwriteRules.h"
#include "StartupState.h"

namespace {


TEST(FileChoice, AllSelectedIsEveryItemNoneSelectedIsNothing) {
    // The items listed: an item without a path (index 1) is not among them.
    const std::vector<uint32_t> listed = {0, 2, 3};
    const struct {
        std::vector<bool> selected;
        bool nothingChosen;
        std::vector<uint32_t> items;
    } cases[] = {
        {{true, true, true}, false, {}},
        {{true, false, true}, false, {0, 3}},
        {{false, false, true}, false, {3}},
        {{false, false, false}, true, {}},
        {{true, true}, false, {0, 2}},  // a shorter selection leaves the rest out
    };
    for (const auto& c : cases) {
        const FileChoice choice = ChooseFiles(listed, c.selected);
        EXPECT_EQ(choice.nothingChosen, c.nothingChosen);
        EXPECT_EQ(choice.items, c.items);
    }
    // An archive without items has nothing to choose from and extracts as a whole.
    const FileChoice empty = ChooseFiles({}, {});
    EXPECT_FALSE(empty.nothingChosen);
    EXPECT_TRUE(empty.items.empty());
}

TEST(OverwriteRules, RadioButtonsAndSettings) {
    const std::pair<uint8_t, int> modes[] = {{0, 2}, {1, 1}, {2, 0}, {3, -1}, {255, -1}};
    for (const auto& [mode, radio] : modes) EXPECT_EQ(RadioForOverwriteMode(mode), radio) << int(mode);
    EXPECT_EQ(ChoiceFromRadios(true, false), kChoiceAsk);
    EXPECT_EQ(ChoiceFromRadios(false, true), kChoiceSkip);
    EXPECT_EQ(ChoiceFromRadios(false, false), kChoiceOverwrite);  // RadioBox3, or none checked
}

TEST(OverwriteRules, ExistingFileByChoice) {
    const struct {
        bool active, exists;
        uint8_t choice;
        ExistingFile action;
    } cases[] = {
        {true, true, kChoiceAsk, ExistingFile::kAsk},
        {true, true, kChoiceSkip, ExistingFile::kLeave},
        {true, true, kChoiceOverwrite, ExistingFile::kReplace},
        {true, false, kChoiceAsk, ExistingFile::kLeave},
        {true, false, kChoiceOverwrite, ExistingFile::kLeave},
        {false, true, kChoiceAsk, ExistingFile::kLeave},  // cancelled: no more questions
        {false, true, kChoiceOverwrite, ExistingFile::kLeave},
        {true, true, 3, ExistingFile::kLeave},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExistingFileAction(c.active, c.exists, c.choice), c.action)
            << c.active << c.exists << int(c.choice);
}

// Access denied is explained with what to do, where the language says it;
// any other failure, and a language without that text, keep message 41.
TEST(FolderPaths, UnusableDestinationExplained) {
    const struct {
        uint32_t error;
        bool textPresent;
        int message;
    } cases[] = {
        {5, true, 67},     // ERROR_ACCESS_DENIED
        {5, false, 41},    // a block of another builder, without message 67
        {3, true, 41},     // ERROR_PATH_NOT_FOUND
        {19, true, 41},    // ERROR_WRITE_PROTECT
        {112, true, 41},   // ERROR_DISK_FULL
        {0, true, 41},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnusableDestinationMessage(c.error, c.textPresent), c.message) << c.error << " " << c.textPresent;
}

TEST(FolderPaths, ProbeNameAvoidsExistingFiles) {
    const struct {
        const wchar_t* folder;
        std::set<std::wstring> existing;
        const wchar_t* probe;
    } cases[] = {
        {L"C:\\dest", {}, L"C:\\dest\\_BR$TEMP$.$$$"},
        {L"C:\\dest\\", {}, L"C:\\dest\\_BR$TEMP$.$$$"},
        {L"C:\\dest", {L"C:\\dest\\_BR$TEMP$.$$$"}, L"C:\\dest\\_BR$TEMP$.$$$$"},
        {L"C:\\dest", {L"C:\\dest\\_BR$TEMP$.$$$", L"C:\\dest\\_BR$TEMP$.$$$$"}, L"C:\\dest\\_BR$TEMP$.$$$$$"},
        {L"rel", {}, L"rel\\_BR$TEMP$.$$$"},
    };
    for (const auto& c : cases) {
        const auto exists = [&](const std::wstring& path) { return c.existing.count(path) != 0; };
        EXPECT_EQ(ProbeFilePath(c.folder, exists), c.probe) << c.folder;
    }
}

TEST(ExtractionOutcome, BoxesRunCommandAndExitCode) {
    const int32_t kAbort = int32_t(0x80004004);
    const struct {
        int32_t result;
        uint32_t errors;
        bool cancelled;
        uint32_t showDone;
        bool hasRun;
        ExtractionOutcome expected;
        bool passwordUnanswered = false;
    } cases[] = {
        {0, 0, false, 0, false, {false, false, false, kExitSuccess}},
        {0, 0, false, 1, true, {false, true, true, kExitSuccess}},
        {0, 0, false, 2, false, {false, false, false, kExitSuccess}},  // only exactly 1 shows it
        {0, 3, false, 1, true, {true, false, false, kExitFailure}},    // nothing runs after a failed item
        {1, 0, false, 0, true, {true, false, false, kExitFailure}},
        {1, 0, false, 1, false, {true, false, false, kExitFailure}},
        {kAbort, 0, true, 1, true, {false, false, false, kExitCancelled}},
        {kAbort, 2, true, 1, true, {true, false, false, kExitCancelled}},
        {0, 0, true, 1, false, {false, false, false, kExitCancelled}},
        // Unattended, a password nobody could give is a failure, not a cancel.
        {kAbort, 0, true, 1, true, {true, false, false, kExitFailure}, true},
        {0, 0, true, 0, false, {true, false, false, kExitFailure}, true},
    };
    for (const auto& c : cases) {
        const ExtractionOutcome got = DecideOutcome(c.result, c.errors, c.cancelled, c.showDone, c.hasRun, c.passwordUnanswered);
        SCOPED_TRACE(testing::Message() << "result " << c.result << ", errors " << c.errors << ", cancelled "
                                        << c.cancelled << ", showDone " << c.showDone);
        EXPECT_EQ(got.reportFailure, c.expected.reportFailure);
        EXPECT_EQ(got.reportDone, c.expected.reportDone);
        EXPECT_EQ(got.runCommand, c.expected.runCommand);
        EXPECT_EQ(got.exitCode, c.expected.exitCode);
    }
}

}  // namespace
