// The width remembered across host restarts: the command-line host, run as
// separate processes with the built plug-in, sharing one registry file.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>

#include "HostFixture.h"
#include "ImageFile.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Runs the program with args; its messages go to errors. The exit code, or
// -1 when it could not be started or did not exit normally.
int Spawn(const std::vector<std::string>& args, const fs::path& errors) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (started != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string PointsArgument(const WirePoints& p) {
    return std::to_string(p.startV) + "," + std::to_string(p.startH) + "," + std::to_string(p.endV) + "," +
           std::to_string(p.endH);
}

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
