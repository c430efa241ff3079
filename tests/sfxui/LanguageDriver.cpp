// The self-extractor in the user's language, under Windows: starts one
// self-extractor (under the locale its caller set), waits for its window and
// compares every caption that comes from the language blocks with the
// language text expected, read as UTF-16 and so independent of the system's
// code page; then closes it.
//   sfx_language_driver WORK NAME LANGUAGE
// WORK: the folder with NAME.exe (a Windows path); LANGUAGE: the text whose
// captions the window must show.
#include <cstdio>

#include "SfxWindow.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: sfx_language_driver WORK NAME LANGUAGE\n");
        return 2;
    }
    SetWork(argv[1]);
    LoadMessages(argv[3]);
    const std::string name = argv[2];
    Sfx sfx(name, "-d " + Destination(name));
    if (sfx.WaitReady()) {
        const struct {
            int id, message;
        } captions[] = {
            {kButton2Id, 6},  {kButton3Id, 7},  {kButton4Id, 9},  {kLabelExtractToId, 21},
            {kGroupBox1Id, 25}, {kRadioBox1Id, 26}, {kRadioBox2Id, 27}, {kRadioBox3Id, 28},
        };
        for (const auto& c : captions)
            CheckText(sfx.Text(c.id), Message(c.message), name + ": control " + std::to_string(c.id) + " shows message " +
                                                              std::to_string(c.message));
        PostMessageA(sfx.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
        sfx.ExpectExit(kExitCancelled);
    }
    std::printf("%d failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}
