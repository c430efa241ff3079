// Volume sets: names, where a stream position lies, and how far one read goes.
#include <gtest/gtest.h>

#include "VolumeLayout.h"

TEST(VolumeSuffix, ThreeDigitsAtLeast) {
    const std::pair<int, const char*> rows[] = {{1, ".001"}, {12, ".012"}, {99, ".099"}, {255, ".255"}, {256, ".256"}};
    for (const auto& [volume, suffix] : rows) EXPECT_EQ(VolumeSuffix(volume), suffix) << volume;
    EXPECT_EQ(VolumeName(L"C:\\x\\Setup", 2), L"C:\\x\\Setup.002");
}

TEST(ProgramVolumeBase, TheProgramsNameWithoutItsExtension) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"C:\\x\\Setup.exe", L"C:\\x\\Setup"},
        {L"C:\\x\\Setup.v2.exe", L"C:\\x\\Setup.v2"},  // only the last extension
        {L"C:\\x.y\\Setup", L"C:\\x.y\\Setup"},        // a dot in a folder's name is no extension
        {L"Setup", L"Setup"},
        {L"C:\\x\\.exe", L"C:\\x\\.exe"},
        {L"\\\\?\\C:\\long\\Installer.EXE", L"\\\\?\\C:\\long\\Installer"},
    };
    for (const auto& [path, base] : rows) EXPECT_EQ(ProgramVolumeBase(path), base);
}

TEST(LocateInVolumes, BoundariesBelongToTheEarlierVolume) {
    struct Row {
        int64_t position;
        VolumePlace place;
    };
    const Row rows[] = {
        {0, {1, 0}},
        {1, {1, 1}},
        {999, {1, 999}},
        {1000, {1, 1000}},  // the end of a full first volume
        {1001, {2, 1}},
        {2500, {3, 500}},
        {1900, {2, 900}},  // 2500 - 600, from a current-relative seek
        {int64_t(255) * 1000, {255, 1000}},
        {int64_t(255) * 1000 + 1, {256, 1}},  // past any name
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LocateInVolumes(row.position, 1000), row.place) << row.position;
        if (row.place.volume <= kMaxVolume) {
            EXPECT_EQ(StreamPosition(row.place, 1000), row.position);
        }
    }
}

TEST(ClipToVolume, ReadsStopAtTheVolumeEnd) {
    struct Row {
        int64_t offset;
        uint32_t size;
        uint32_t allowed;
    };
    const Row rows[] = {
        {900, 300, 100},
        {0, 1000, 1000},
        {0, 1001, 1000},
        {999, 1, 1},
        {1000, 10, 0},
        {1500, 10, 0},
        {500, 0, 0},
    };
    for (const Row& row : rows) EXPECT_EQ(ClipToVolume(row.offset, row.size, 1000), row.allowed) << row.offset;
}
