// Controls fitted to their texts: a row of radio buttons, a column of push
// buttons and a centred link, with the main window's own spans.
#include <gtest/gtest.h>

#include "TextFit.h"

namespace {

using Row = std::vector<TSpan>;

// The three overwrite choices inside their group box, at 96 DPI.
const Row kRadios = {{16, 89}, {112, 81}, {200, 81}};
constexpr int kRadioGap = 4, kGroupInside = 281;

TEST(TextFit, RadioButtonsWidenAndPushTheirNeighboursOnlyAsFarAsTheTextsNeed) {
    const struct {
        std::vector<int> needed;
        Row fitted;
    } cases[] = {
        {{38, 41, 74}, kRadios},                                // English: as designed
        {{89, 81, 81}, kRadios},                                // exactly the designed widths
        {{89, 86, 73}, {{16, 89}, {112, 86}, {202, 79}}},       // the second pushes the third, which keeps to the box
        {{100, 81, 60}, {{16, 100}, {120, 81}, {205, 76}}},     // the first pushes both
        {{89, 86, 90}, {{16, 89}, {112, 86}, {202, 90}}},       // a text too long for the box keeps its width
        {{}, kRadios},                                          // nothing measured: as designed
    };
    for (const auto& c : cases) EXPECT_EQ(FitRow(kRadios, c.needed, kRadioGap, kGroupInside), c.fitted);
}

TEST(TextFit, ButtonsGrowToTheLeftUpToTheirLimit) {
    const TSpan button{312, 72};
    const struct {
        int needed, leftLimit;
        TSpan fitted;
    } cases[] = {
        {50, 297, {312, 72}},  // fits
        {72, 297, {312, 72}},
        {85, 297, {299, 85}},  // grows left, the right edge stays
        {120, 297, {297, 87}},  // stops at the limit
        {85, 320, {312, 72}},  // a limit right of the button never shrinks it
    };
    for (const auto& c : cases) EXPECT_EQ(FitColumn(button, c.needed, c.leftLimit), c.fitted) << c.needed;
}

TEST(TextFit, LinkIsCentredOnTheWindowAndNeverWiderThanIt) {
    const struct {
        int needed, width;
        TSpan fitted;
    } cases[] = {
        {337, 384, {23, 337}}, {384, 384, {0, 384}}, {500, 384, {0, 384}}, {0, 384, {192, 0}}, {-5, 384, {192, 0}},
        {478, 576, {49, 478}},  // at 144 DPI
    };
    for (const auto& c : cases) EXPECT_EQ(CentredSpan(c.needed, c.width), c.fitted) << c.needed;
}

}  // namespace
