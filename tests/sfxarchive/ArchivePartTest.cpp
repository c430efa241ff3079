// An archive read in place inside its executable: where seeks land, how far
// reads go, and whether the part lies in the file.
#include <gtest/gtest.h>

#include <limits>

#include "ArchivePart.h"

namespace {

constexpr int64_t kMost = std::numeric_limits<int64_t>::max(), kLeast = std::numeric_limits<int64_t>::min();

TEST(ArchivePart, SeeksLandInsideThePartOrAreRefused) {
    const struct {
        uint64_t current;
        int64_t offset;
        uint32_t origin;
        bool ok;
        uint64_t reached;
    } cases[] = {
        {50, 0, 0, true, 0},     {50, 100, 0, true, 100},  // the end itself is a place
        {50, 101, 0, false, 0},                            // beyond the end
        {50, -1, 0, false, 0},                             // before the start
        {50, 10, 1, true, 60},   {50, -50, 1, true, 0},    {50, -51, 1, false, 0},  {50, 51, 1, false, 0},
        {50, 0, 2, true, 100},   {50, -100, 2, true, 0},   {50, 1, 2, false, 0},    {50, -101, 2, false, 0},
        {50, kMost, 1, false, 0}, {50, kLeast, 1, false, 0}, {50, kLeast, 2, false, 0},  // no overflow
        {50, 0, 3, false, 0},                                                          // no such origin
    };
    for (const auto& c : cases) {
        uint64_t reached = 12345;
        EXPECT_EQ(SeekInPart(100, c.current, c.offset, c.origin, reached), c.ok) << c.offset << " from " << c.origin;
        if (c.ok) {
            EXPECT_EQ(reached, c.reached) << c.offset << " from " << c.origin;
        }
    }
}

TEST(ArchivePart, ReadsStopAtTheEnd) {
    const struct {
        uint64_t position;
        uint32_t size, readable;
    } cases[] = {
        {0, 10, 10}, {95, 10, 5}, {100, 10, 0}, {150, 10, 0}, {0, 0xFFFFFFFFu, 100}, {99, 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadableInPart(100, c.position, c.size), c.readable) << c.position;
}

TEST(ArchivePart, APartCutShortDoesNotFit) {
    const struct {
        TArchivePart part;
        uint64_t fileSize;
        bool fits;
    } cases[] = {
        {{1000, 500}, 1500, true},  {{1000, 500}, 2000, true},  // a certificate table after it
        {{1000, 500}, 1499, false},                             // the file was cut
        {{2000, 1}, 1500, false},   {{UINT64_MAX, 2}, 1500, false}, {{1, UINT64_MAX}, 1500, false},
    };
    for (const auto& c : cases) EXPECT_EQ(PartFits(c.part, c.fileSize), c.fits) << c.part.offset;
}

}  // namespace

TEST(ArchivePart, PositionsOfASpreadArchiveFallInTheirPart) {
    const std::vector<uint64_t> lengths = {100, 50, 30};  // the executable's part, then two volumes
    const struct {
        uint64_t position;
        PartPlace place;
    } cases[] = {
        {0, {0, 0}},   {99, {0, 99}},  {100, {1, 0}},  // a boundary is the start of the later part
        {149, {1, 49}}, {150, {2, 0}}, {179, {2, 29}},
        {180, {3, 0}},  {181, {3, 1}},  // the end, and beyond it
    };
    for (const auto& c : cases) EXPECT_EQ(LocateInParts(lengths, c.position), c.place) << c.position;
    EXPECT_EQ(LocateInParts({}, 0), (PartPlace{0, 0}));
}
