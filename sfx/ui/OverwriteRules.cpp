#include "OverwriteRules.h"

int RadioForOverwriteMode(uint8_t overwriteMode) {
    switch (overwriteMode) {
        case 0:
            return 2;
        case 1:
            return 1;
        case 2:
            return 0;
        default:
            return -1;
    }
}

OverwriteChoice ChoiceFromRadios(bool askChecked, bool skipChecked) {
    if (askChecked) return kChoiceAsk;
    return skipChecked ? kChoiceSkip : kChoiceOverwrite;
}

ExistingFile ExistingFileAction(bool extractActive, bool fileExists, uint8_t overwriteChoice) {
    if (!extractActive || !fileExists || overwriteChoice == kChoiceSkip) return ExistingFile::kLeave;
    if (overwriteChoice == kChoiceOverwrite) return ExistingFile::kReplace;
    return overwriteChoice == kChoiceAsk ? ExistingFile::kAsk : ExistingFile::kLeave;
}
