// The width remembered across host restarts: the command-line host, run as
// separate processes with the built plug-in, sharing one registry file.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "ImageFile.h"

namespace fs = std::filesystem;

namespace {

class RegistryAcrossRuns : public ::testing::Test {
protected:
    void SetUp() override { WriteImage(in_, WiredImage(3)); }

    // One filterhost process with its own registry file; out is written in
    // the scratch folder.
    void Run(const char* registry, std::optional<int32_t> width, const char* out) {
        std::vector<std::string> args = {FILTERHOST_EXE, "--registry", (dir_ / registry).string(), "--points",
                                         PointsArgument(kWire)};
        if (width) args.insert(args.end(), {"--width", std::to_string(*width)});
        args.insert(args.end(), {in_.string(), (dir_ / out).string()});
        const fs::path errors = dir_ / "errors.txt";
        ASSERT_EQ(Spawn(args, errors), 0) << "filterhost failed; see " << errors;
    }

    Image Output(const char* name) const { return ReadImage(dir_ / name); }

    ScratchDir dir_;
    fs::path in_ = dir_ / "in.png";
};

TEST_F(RegistryAcrossRuns, NextRunUsesTheLastWidth) {
    Run("shared", 80, "first.png");
    Run("shared", std::nullopt, "second.png");
    Run("own80", 80, "explicit80.png");
    Run("own50", 50, "explicit50.png");

    EXPECT_TRUE(SameImage(Output("second.png"), Output("explicit80.png")));
    EXPECT_FALSE(SameImage(Output("second.png"), Output("explicit50.png")));
}

TEST_F(RegistryAcrossRuns, FirstUseTakesTheDefaultWidth) {
    ASSERT_FALSE(fs::exists(dir_ / "none"));
    Run("none", std::nullopt, "default.png");
    Run("own50", 50, "explicit50.png");
    Run("own80", 80, "explicit80.png");

    EXPECT_TRUE(SameImage(Output("default.png"), Output("explicit50.png")));
    EXPECT_FALSE(SameImage(Output("default.png"), Output("explicit80.png")));
    EXPECT_TRUE(fs::exists(dir_ / "none")) << "the width was not stored persistently";
}

}  // namespace
