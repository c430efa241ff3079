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

// What the begin event does with a file about to be written: the session
// replaces an existing file only when told to (kReplace, or Yes at the
// question), and then only once the new one is whole; otherwise the item is
// skipped and the old file kept.
enum class ExistingFile { kLeave, kReplace, kAsk };
ExistingFile ExistingFileAction(bool extractActive, bool fileExists, uint8_t overwriteChoice);
