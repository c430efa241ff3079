// The settings block's strings: what fits a field, what a damaged length
// byte reads, the signature and the default title.
#include <gtest/gtest.h>

#include <cstring>

#include "SfxSettings.h"

TEST(SfxSettings, StringsFitTheirCapacity) {
    SfxSettings s{};
    const struct {
        size_t length;
        size_t stored;
    } cases[] = {{0, 0}, {1, 1}, {100, 100}, {101, 100}, {400, 100}};
    for (const auto& c : cases) {
        std::memset(s.title, 0x55, sizeof s.title);
        WriteSetting(s.title, std::string(c.length, 'T'));
        EXPECT_EQ(ReadSetting(s.title), std::string(c.stored, 'T')) << c.length;
        for (size_t i = c.stored + 1; i < sizeof s.title; ++i) ASSERT_EQ(s.title[i], 0) << c.length;
    }
    WriteSetting(s.destination, std::string(300, 'D'));
    EXPECT_EQ(ReadSetting(s.destination).size(), 255u);
    EXPECT_EQ(s.overwriteMode, 0) << "the byte after the destination stays";
    EXPECT_EQ(SettingCapacity(s.runCommand), 100u);
    EXPECT_EQ(SettingCapacity(s.archiveLabel), 255u);
}

TEST(SfxSettings, ADamagedLengthByteReadsOnlyTheField) {
    SfxSettings s{};
    std::memset(s.title, 'x', sizeof s.title);
    s.title[0] = 255;
    s.runCommand[0] = 'R';  // the next field
    EXPECT_EQ(ReadSetting(s.title), std::string(100, 'x'));
}

TEST(SfxSettings, SignatureAndDefaultTitle) {
    SfxSettings s{};
    EXPECT_FALSE(HasSettingsSignature(s));
    std::memcpy(s.signature,
                "\x03"
                "BSZ",
                4);
    EXPECT_TRUE(HasSettingsSignature(s));
    s.signature[3] = 'z';
    EXPECT_FALSE(HasSettingsSignature(s));

    ApplyDefaultTitle(s);
    EXPECT_EQ(ReadSetting(s.title), "Brindlepacker SFX");
    WriteSetting(s.title, "Setup");
    ApplyDefaultTitle(s);
    EXPECT_EQ(ReadSetting(s.title), "Setup");
}
