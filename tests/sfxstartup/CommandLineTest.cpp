// The self-extractor's switches, applied in order to the settings.
#include <gtest/gtest.h>

#include "Destination.h"
#include "Switches.h"

namespace {

struct Outcome {
    uint8_t autoExtract;
    uint8_t overwriteMode;
    std::string destination;
    std::string runCommand;
    std::string runArguments = "";
};

SfxSettings Start() {
    SfxSettings s{};
    s.overwriteMode = kAskEach;
    WriteSetting(s.runCommand, "setup.exe");
    return s;
}

}  // namespace

TEST(ParseSwitches, TableOfCommandLines) {
    const std::string longArg(300, 'L');
    const std::string tooLong(kMaxDestinationLength + 1, 'L');
    const struct {
        std::vector<std::string> args;
        Outcome outcome;
    } cases[] = {
        {{}, {0, 2, "C:\\Start", "setup.exe"}},
        {{"-a"}, {1, 2, "C:\\Start", "setup.exe"}},
        {{"/a"}, {1, 2, "C:\\Start", "setup.exe"}},
        {{"-x"}, {0, 2, "C:\\Start", ""}},
        {{"-s"}, {1, 0, "C:\\Start", "setup.exe"}},
        {{"-u"}, {1, 0, "C:\\Start", "setup.exe"}},
        {{"/u", "-n"}, {1, 1, "C:\\Start", "setup.exe"}},
        {{"-n", "-u"}, {1, 0, "C:\\Start", "setup.exe"}},
        {{"-o"}, {0, 0, "C:\\Start", "setup.exe"}},
        {{"-n"}, {0, 1, "C:\\Start", "setup.exe"}},
        {{"-o", "-q"}, {0, 2, "C:\\Start", "setup.exe"}},
        {{"-q", "-s"}, {1, 0, "C:\\Start", "setup.exe"}},
        {{"-n", "/o"}, {0, 0, "C:\\Start", "setup.exe"}},
        // Names are exact and case-sensitive.
        {{"-A", "-ax", "--a", "a", "-", "/", "-?", "-S", ""}, {0, 2, "C:\\Start", "setup.exe"}},
        {{"-d", "D:\\Out"}, {0, 2, "D:\\Out", "setup.exe"}},
        {{"-d"}, {0, 2, "C:\\Start", "setup.exe"}},
        {{"-d", longArg}, {0, 2, longArg, "setup.exe"}},  // never cut
        {{"-d", tooLong}, {0, 2, "", "setup.exe"}},       // longer than the system's paths: refused
        {{"-d", "C:\\\u0395\u03bb\u03bb\u03ac\u03b4\u03b1"}, {0, 2, "C:\\\u0395\u03bb\u03bb\u03ac\u03b4\u03b1", "setup.exe"}},
        // The argument after -d is still tried as a switch.
        {{"-d", "-s"}, {1, 0, "-s", "setup.exe"}},
        {{"-d", "/n", "-d", "E:\\Last"}, {0, 1, "E:\\Last", "setup.exe"}},
        {{"%temp%"}, {0, 2, "C:\\Start", "setup.exe"}},
        // What follows "-#" is the parameters of the file run afterwards, whole.
        {{"-#", "/q", "read me.txt"}, {0, 2, "C:\\Start", "setup.exe", "/q \"read me.txt\""}},
        {{"-#", "", "say \"hi\"", "C:\\a b\\"}, {0, 2, "C:\\Start", "setup.exe", "\"\" \"say \\\"hi\\\"\" \"C:\\a b\\\\\""}},
        {{"-#"}, {0, 2, "C:\\Start", "setup.exe", ""}},
        {{"-x", "-#", "a"}, {0, 2, "C:\\Start", "", "a"}},  // nothing to run: no parameters run anything
        {{"-#", "-a", "-x"}, {0, 2, "C:\\Start", "setup.exe", "-a -x"}},
        {{"-#", longArg}, {0, 2, "C:\\Start", "setup.exe", longArg}},
    };
    for (const auto& c : cases) {
        SfxSettings s = Start();
        CommandLineChoices choices{"C:\\Start", ""};
        ParseSwitches(c.args, s, choices);
        std::string line;
        for (const std::string& a : c.args) line += "[" + a.substr(0, 12) + "]";
        EXPECT_EQ(s.autoExtract, c.outcome.autoExtract) << line;
        EXPECT_EQ(s.overwriteMode, c.outcome.overwriteMode) << line;
        EXPECT_EQ(choices.destination, c.outcome.destination) << line;
        EXPECT_EQ(ReadSetting(s.runCommand), c.outcome.runCommand) << line;
        EXPECT_EQ(choices.runArguments, c.outcome.runArguments) << line;
    }
}

TEST(ParseSwitches, UnattendedIsKnownBeforeTheSettings) {
    const struct {
        std::vector<std::string> args;
        bool unattended;
    } cases[] = {
        {{"-u"}, true},           {{"/u"}, true},
        {{"-s", "-d", "C:\\x", "-u"}, true},
        {{"-d", "-u"}, true},     // tried as a switch, as it is for "-s"
        {{"-U"}, false},          {{"-uu"}, false}, {{"u"}, false}, {{"-s"}, false}, {{}, false},
        {{"-#", "-u"}, false},    // a parameter of the file run afterwards
        {{"-u", "-#", "x"}, true},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const std::string& a : c.args) line += "[" + a + "]";
        EXPECT_EQ(AsksForUnattended(c.args), c.unattended) << line;
    }
}
