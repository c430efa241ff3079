// What runs after an extraction: the full path, its working folder, the
// choice between installing and opening, and the INF command lines.
#include <gtest/gtest.h>

#include "InfInstall.h"
#include "RunPlan.h"

namespace {

struct PlanCase {
    const wchar_t* destination;
    const wchar_t* runCommand;
    RunPlan::Kind kind;
    const wchar_t* fullPath;
    const wchar_t* workingFolder;
};

TEST(RunAfterExtract, FullPathWorkingFolderAndKind) {
    const PlanCase cases[] = {
        {L"C:\\Apps", L"setup.exe", RunPlan::kOpen, L"C:\\Apps\\setup.exe", L"C:\\Apps\\"},
        {L"C:\\Apps\\", L"setup.exe", RunPlan::kOpen, L"C:\\Apps\\setup.exe", L"C:\\Apps\\"},
        {L"C:\\Apps", L"bin\\tool.exe", RunPlan::kOpen, L"C:\\Apps\\bin\\tool.exe", L"C:\\Apps\\bin\\"},
        {L"C:\\Apps", L"Driver.INF", RunPlan::kInstallInf, L"C:\\Apps\\Driver.INF", L"C:\\Apps\\"},
        {L"C:\\Apps", L"driver.inf", RunPlan::kInstallInf, L"C:\\Apps\\driver.inf", L"C:\\Apps\\"},
        {L"C:\\Apps", L"readme.infx", RunPlan::kOpen, L"C:\\Apps\\readme.infx", L"C:\\Apps\\"},
        // Arguments that runCommand itself holds are part of the name handed over.
        {L"C:\\Apps", L"setup.exe /q", RunPlan::kOpen, L"C:\\Apps\\setup.exe /q", L"C:\\Apps\\"},
        {L"C:", L"x", RunPlan::kNothing, L"C:\\x", L""},    // four characters: nothing runs
        {L"C:", L"xy", RunPlan::kOpen, L"C:\\xy", L"C:\\"},  // five
        {L"C:\\Apps", L"", RunPlan::kNothing, L"", L""},
        {L"D:\\", L".INF", RunPlan::kInstallInf, L"D:\\.INF", L"D:\\"},
    };
    for (const PlanCase& c : cases) {
        const RunPlan plan = PlanRunAfterExtract(c.destination, c.runCommand);
        SCOPED_TRACE(testing::Message() << "destination " << c.destination << ", runCommand " << c.runCommand);
        EXPECT_EQ(plan.kind, c.kind);
        if (plan.kind == RunPlan::kNothing) continue;
        EXPECT_EQ(plan.fullPath, c.fullPath);
        EXPECT_EQ(plan.workingFolder, c.workingFolder);
    }
}

TEST(RunAfterExtract, OnlyAFileTheRunWrote) {
    const std::vector<std::wstring> written = {L"C:\\Apps\\readme.txt", L"C:\\Apps\\bin\\Setup.exe"};
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"bin\\Setup.exe", true},
        {L"BIN\\setup.EXE", true},       // names as Windows compares them
        {L"bin/Setup.exe", true},
        {L"bin\\Setup.exe /q", true},    // with the arguments runCommand holds
        {L"bin\\Setup.exe.bak", false},
        {L"bin\\Setup.ex", false},
        {L"setup.exe", false},            // not written: skipped, failed, or never in the archive
        {L"bin\\Setup.exe\\x", false},
    };
    for (const auto& [runCommand, runs] : cases)
        EXPECT_EQ(RunsWrittenFile(PlanRunAfterExtract(L"C:\\Apps", runCommand), written), runs) << runCommand;
    EXPECT_FALSE(RunsWrittenFile(PlanRunAfterExtract(L"C:\\Apps", L"bin\\Setup.exe"), {}));
}

TEST(RunAfterExtract, FolderPartEndsAtTheLastBackslashOrColon) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\a\\b.exe", L"C:\\a\\"}, {L"C:b.exe", L"C:"}, {L"b.exe", L""}, {L"a:b\\c:d", L"a:b\\c:"}, {L"", L""},
    };
    for (const auto& [path, folder] : cases) EXPECT_EQ(FolderPart(path), folder) << path;
}

TEST(RunAfterExtract, InfEndingInAnyLetterCase) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L".INF", true},       {L"a.inf", true},      {L"a.InF", true},     {L"C:\\x\\Setup.iNf", true},
        {L"a.inf ", false},    {L"a.infx", false},    {L"ainf", false},     {L"INF", false},
        {L"", false},          {L"a_INF", false},     {L"x.INF.bak", false},
    };
    for (const auto& [path, inf] : cases) EXPECT_EQ(IsInfFile(path), inf) << path;
}

struct CommandCase {
    uint32_t platform;
    const wchar_t* systemFolder;
    const wchar_t* suffix;
    const wchar_t* command;
};

TEST(RunAfterExtract, InfCommandLineByPlatform) {
    const wchar_t* inf = L"C:\\My Apps\\drv.inf";
    const CommandCase cases[] = {
        {kPlatformWindowsNt, L"C:\\Windows\\system32", L"",
         L"C:\\Windows\\system32\\rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 C:\\My Apps\\drv.inf"},
        {kPlatformWindowsNt, L"C:\\Windows\\system32\\", L".ntx86",
         L"C:\\Windows\\system32\\rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall.ntx86 132 "
         L"C:\\My Apps\\drv.inf"},
        {kPlatformWindowsNt, L"C:\\Windows\\system32", L".ntamd64",
         L"C:\\Windows\\system32\\rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 C:\\My Apps\\drv.inf"},
        {kPlatformWindowsNt, L"D:\\Win Dir\\system32", L"",
         L"\"D:\\Win Dir\\system32\\rundll32.exe\" setupapi.dll,InstallHinfSection DefaultInstall 132 "
         L"C:\\My Apps\\drv.inf"},
        {kPlatformWindows9x, L"C:\\WINDOWS\\SYSTEM", L"",
         L"rundll.exe setupx.dll,InstallHinfSection DefaultInstall 132 C:\\My Apps\\drv.inf"},
        {0, L"C:\\Windows\\system32", L"", L"C:\\My Apps\\drv.inf"},
        {3, L"C:\\Windows\\system32", L"", L"C:\\My Apps\\drv.inf"},
    };
    for (const CommandCase& c : cases)
        EXPECT_EQ(InfCommandLine(c.platform, c.systemFolder, inf, c.suffix), c.command)
            << "platform " << c.platform << ", suffix " << c.suffix;
}

}  // namespace
