// The work folder's name, its creation among names already taken, and the
// access it is made with; and the random draws scaled to a range.
#include <gtest/gtest.h>

#include "PayloadError.h"
#include "Random.h"
#include "WorkFolder.h"

TEST(WorkFolder, NamesCarrySixteenHexDigits) {
    EXPECT_EQ(WorkFolderCandidate("C:\\TEMP\\", 0x5), "C:\\TEMP\\_BRSFX0000000000000005\\");
    EXPECT_EQ(WorkFolderCandidate("C:\\TEMP", 0xFEDCBA9876543210), "C:\\TEMP\\_BRSFXFEDCBA9876543210\\");
    EXPECT_EQ(WorkFolderCandidate("", 0), "\\_BRSFX0000000000000000\\");
}

TEST(WorkFolder, NeverTakesAFolderThatExists) {
    const struct {
        int existing;         // names drawn that exist already
        bool failsOtherwise;  // the creation after them fails for another reason
        int created;          // the draw whose folder is made; -1: refused
    } cases[] = {
        {0, false, 0},
        {3, false, 3},
        {kMaxWorkFolderDraws - 1, false, kMaxWorkFolderDraws - 1},
        {kMaxWorkFolderDraws, false, -1},
        {0, true, -1},
        {2, true, -1},
    };
    for (const auto& c : cases) {
        uint64_t next = 100;
        std::vector<std::string> tried;
        const auto draw = [&] { return next++; };
        const auto create = [&](const std::string& name) {
            tried.push_back(name);
            if (int(tried.size()) <= c.existing) return FolderCreation::kExists;
            return c.failsOtherwise ? FolderCreation::kFailed : FolderCreation::kCreated;
        };
        if (c.created < 0) {
            EXPECT_THROW(CreateFreshWorkFolder("T:", draw, create), PayloadError) << c.existing;
            continue;
        }
        EXPECT_EQ(CreateFreshWorkFolder("T:", draw, create), WorkFolderCandidate("T:", 100 + c.created));
        EXPECT_EQ(int(tried.size()), c.created + 1) << "every name drawn is tried once";
    }
}

TEST(WorkFolder, OpenToTheUserAloneAndWhenElevatedToAdministratorsAndSystemAlone) {
    EXPECT_EQ(WorkFolderDescriptor(L"S-1-5-21-1-2-3-1001", false), L"D:P(A;OICI;FA;;;S-1-5-21-1-2-3-1001)");
    // Not the user's own SID: the user's unelevated programs carry it.
    EXPECT_EQ(WorkFolderDescriptor(L"S-1-5-21-1-2-3-1001", true), L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)");
}

TEST(RandomBelow, ScalesTheWholeDrawToTheRange) {
    const struct {
        uint64_t draw;
        int range;
        int expected;
    } cases[] = {
        {0, 1000, 0},
        {~0ull, 1000, 999},
        {0x8000000000000000ull, 1000, 500},
        {0x4000000000000000ull, 26, 6},
        {~0ull, 1, 0},
        {~0ull, 0, 0},
        {~0ull, -5, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RandomBelow(c.draw, c.range), c.expected) << c.draw << " " << c.range;
}
