// The command line: parsing, and whole runs of the program with the fake
// filter loaded from its shared library.
#include <gtest/gtest.h>

#include <sstream>

#include "Cli.h"
#include "CommandLine.h"
#include "FakeFilter.h"
#include "FileIo.h"
#include "HostError.h"
#include "ImageFile.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

TEST(CommandLine, ParsesEveryOptionInBothForms) {
    CommandLine line = ParseCommandLine({"--points", "1,2,3,4", "--width=30", "--plugin", "p.so", "--session",
                                         "s", "--registry=r", "in.png", "out.png"});
    ASSERT_TRUE(line.points.has_value());
    EXPECT_EQ(line.points->startV, 1);
    EXPECT_EQ(line.points->endH, 4);
    EXPECT_EQ(line.width, 30);
    EXPECT_EQ(line.plugin, "p.so");
    EXPECT_EQ(line.session, "s");
    EXPECT_EQ(line.registry, "r");
    EXPECT_EQ(line.input, "in.png");
    EXPECT_EQ(line.output, "out.png");
    EXPECT_TRUE(ParseCommandLine({"--replay", "--session", "s", "--", "-in.png", "o.png"}).replay);
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"--dialog", "--session", "s", "in.png", "o.png"}).dialog);
    EXPECT_TRUE(ParseCommandLine({"--about", "--plugin", "p.so"}).about);
}

// A list of `pairs` row,column pairs: 1,2,3,4,...
std::string PointPairs(int32_t pairs) {
    std::string text;
    for (int32_t i = 0; i < 2 * pairs; ++i) text += (i ? "," : "") + std::to_string(i + 1);
    return text;
}

TEST(CommandLine, PointsMarkTwoEndsAndUpToFourteenPointsMore) {
    for (int32_t pairs : {2, 3, 16}) {
        const CommandLine line = ParseCommandLine({"--points", PointPairs(pairs), "in.png", "out.png"});
        ASSERT_TRUE(line.points.has_value());
        EXPECT_EQ(line.points->startV, 1);
        EXPECT_EQ(line.points->endH, 4);
        ASSERT_EQ(line.laterPoints.size(), size_t(pairs - 2));
        if (pairs > 2) {
            EXPECT_EQ(line.laterPoints.front().v, 5);
            EXPECT_EQ(line.laterPoints.back().h, 2 * pairs);
        }
    }
    try {
        ParseCommandLine({"--points", PointPairs(17), "in.png", "out.png"});
        ADD_FAILURE() << "17 points were taken";
    } catch (const HostError& e) {
        EXPECT_STREQ(e.what(), "--points gives 17 points; a wire takes at most 16");
    }
}

TEST(CommandLine, RefusesBadLinesWithAReason) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--points", "1,2,3,4", "in.png"},
        {"--points", "1,2,3,4", "a", "b", "c"},
        {"--frobnicate", "a", "b"},
        {"--points", "1,2,3", "a", "b"},
        {"--points", "1,2,3,4,5", "a", "b"},
        {"--points", "1,2,3,4,5,6,7", "a", "b"},
        {"--points", "1,2,3,4,5,-6", "a", "b"},
        {"--points", "1,2,3,4,", "a", "b"},
        {"--points", "1,-2,3,4", "a", "b"},
        {"--points", "1,x,3,4", "a", "b"},
        {"--points", "1,2,3,4", "--width", "4", "a", "b"},
        {"--points", "1,2,3,4", "--width", "201", "a", "b"},
        {"--points", "1,2,3,4", "--width", "50px", "a", "b"},
        {"--points", "1,2,3,4", "--width", "99999999999", "a", "b"},
        {"--points", "1,2,3,4", "--width"},
        {"--points", "1,2,3,4", "--points", "1,2,3,4", "a", "b"},
        {"a", "b"},
        {"--replay", "a", "b"},
        {"--replay", "--session", "s", "--width", "20", "a", "b"},
        {"--replay=yes", "--session", "s", "a", "b"},
        {"--dialog", "--points", "1,2,3,4", "a", "b"},
        {"--dialog", "--width", "20", "a", "b"},
        {"--dialog", "--replay", "--session", "s", "a", "b"},
        {"--dialog=1", "a", "b"},
        {"--dialog", "a"},
        {"--about", "a"},
        {"--about", "--dialog"},
        {"--about", "--session", "s"},
    };
    for (const auto& args : bad) {
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_THROW(ParseCommandLine(args), HostError) << joined;
    }
}

struct Result {
    int code;
    std::string out, err;
};

Result Filterhost(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = RunFilterhost(args, out, err);
    return {code, out.str(), err.str()};
}

class CliRun : public ::testing::Test {
protected:
    void SetUp() override { WriteImage(in_, PatternImage(24, 16, 3)); }

    // A first run with the fake filter and the test's own registry.
    Result First(const std::string& width, const std::string& out, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--plugin", FAKE_FILTER_PATH, "--registry", (dir_ / "reg").string(),
                                         "--points", "4,2,4,9"};
        if (!width.empty()) args.insert(args.end(), {"--width", width});
        args.insert(args.end(), extra.begin(), extra.end());
        args.insert(args.end(), {in_.string(), (dir_ / out.c_str()).string()});
        return Filterhost(args);
    }

    size_t FilesInDir() const { return size_t(std::distance(fs::directory_iterator(dir_.path()), {})); }

    TempDir dir_;
    fs::path in_ = dir_ / "in.png";
};

TEST_F(CliRun, FiltersTheImageAndKeepsTheInput) {
    Bytes before = ReadFile(in_, 1 << 20);
    Result run = First("30", "out.png");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    Image out = ReadImage(dir_ / "out.png");
    EXPECT_EQ(out.at(2, 4, 1), 255 - PatternValue(2, 4, 1));
    EXPECT_EQ(out.at(0, 0, 0), 30);
    EXPECT_EQ(ReadFile(in_, 1 << 20), before);
}

TEST_F(CliRun, RegistryRemembersTheWidthForTheNextRun) {
    ASSERT_EQ(First("30", "a.png").code, 0);
    ASSERT_EQ(First("", "b.png").code, 0);
    EXPECT_EQ(ReadImage(dir_ / "b.png").at(0, 0, 0), 30);
}

TEST_F(CliRun, ReplayRepeatsTheSavedRun) {
    fs::path session = dir_ / "session";
    ASSERT_EQ(First("40", "first.png", {"--session", session.string()}).code, 0);
    ASSERT_EQ(First("25", "other.png").code, 0);  // the registry now holds 25
    Result replay = Filterhost({"--plugin", FAKE_FILTER_PATH, "--registry", (dir_ / "reg").string(), "--replay",
                             "--session", session.string(), in_.string(), (dir_ / "again.png").string()});
    ASSERT_EQ(replay.code, 0) << replay.err;
    EXPECT_EQ(ReadImage(dir_ / "again.png").pixels, ReadImage(dir_ / "first.png").pixels)
        << "the recorded width 40 and the saved points, not the registry's 25";
}

TEST_F(CliRun, PluginErrorIsReportedAndLeavesNoOutput) {
    size_t files = FilesInDir();
    Result run = First(std::to_string(kFakeFailingWidth), "out.png", {"--session", (dir_ / "s").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("start selector with code -30100"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_FALSE(fs::exists(dir_ / "out.png"));
    EXPECT_FALSE(fs::exists(dir_ / "s"));
    EXPECT_EQ(FilesInDir(), files);
}

TEST_F(CliRun, BadInputsFailWithOneLine) {
    WriteFileAtomically(dir_ / "text.png", Bytes(64, 'x'));
    const std::vector<std::vector<std::string>> cases = {
        {"--points", "1,1,2,2", (dir_ / "missing.png").string(), (dir_ / "o.png").string()},
        {"--points", "1,1,2,2", (dir_ / "text.png").string(), (dir_ / "o.png").string()},
        {"--points", "1,1,2,2", in_.string(), (dir_ / "o.webp").string()},
        {"--points", "1,1,2,2", in_.string(), in_.string()},
        {"--points", "1,1,16,2", in_.string(), (dir_ / "o.png").string()},
        {"--points", "1,1,2,2,3,30", in_.string(), (dir_ / "o.png").string()},
        {"--plugin", (dir_ / "none.so").string(), "--points", "1,1,2,2", in_.string(), (dir_ / "o.png").string()},
        {"--plugin", in_.string(), "--points", "1,1,2,2", in_.string(), (dir_ / "o.png").string()},
        {"--replay", "--session", (dir_ / "text.png").string(), in_.string(), (dir_ / "o.png").string()},
    };
    Bytes before = ReadFile(in_, 1 << 20);
    for (const auto& args : cases) {
        Result run = Filterhost(args);
        EXPECT_EQ(run.code, 1) << args[args.size() - 2];
        EXPECT_EQ(run.err.rfind("filterhost: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(dir_ / "o.png"));
    }
    EXPECT_EQ(ReadFile(in_, 1 << 20), before);
}

TEST(Cli, WindowsOfThePluginNeedTheWindowsBuild) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--about", "--plugin", FAKE_FILTER_PATH},
          std::vector<std::string>{"--dialog", "--plugin", FAKE_FILTER_PATH, "in.png", "out.png"}}) {
        Result result = Filterhost(args);
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find("needs the Windows build"), std::string::npos) << result.err;
    }
}

TEST(Cli, UsageErrorsExitWith2AndHelpWith0) {
    Result bad = Filterhost({"--width", "3"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err.rfind("filterhost: ", 0), 0u);
    Result help = Filterhost({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out, UsageText());
}

}  // namespace
