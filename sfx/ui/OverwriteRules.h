// The overwrite policy as the window shows it and as the begin event applies
// it. The radio buttons' order (ask, skip, overwrite) differs from the
// settings' overwriteMode (0 overwrite, 1 skip, 2 ask).
#pragma once

#include <cstdint>

enum OverwriteChoice : uint8_t { kChoiceAsk = 0, kChoiceSkip = 1, kChoiceOverwrite = 2 };

// The radio button (0 RadioBox1 ask, 1 RadioBox2 skip, 2 RadioBox3 overwrite)
// that overwriteMode checks; -1 for a value that checks none.
int RadioForOverwriteMode(uint8_t overwriteMode);

// The choice read from the radio buttons: overwrite unless ask or skip is
// checked, also when none is.
OverwriteChoice ChoiceFromRadios(bool askChecked, bool skipChecked);

// What the begin event does with a file about to be written. The session
// skips a file that still exists afterwards, which is how skip and the
// answer No keep the old file.
enum class ExistingFile { kLeave, kDelete, kAsk };
ExistingFile ExistingFileAction(bool extractActive, bool fileExists, uint8_t overwriteChoice);
