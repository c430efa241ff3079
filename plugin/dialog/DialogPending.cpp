// Until the dialog exists, a start that wants it is treated as cancelled, and
// the about selector shows nothing.
#include "Dialog.h"

#include "PluginState.h"

bool DoUI() {
    *gResult = noErr;
    return false;
}

void DoAbout() {}
