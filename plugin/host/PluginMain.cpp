// The plug-in's single entry point: the host calls it once for every step of a
// filter run, telling it by the selector which step this is.
#include "Dialog.h"
#include "PluginState.h"
#include "Selectors.h"

extern "C" void PI_CDECL PluginMain(int16 selector, void* record, intptr_t* data, int16* result) {
    if (!record || !result) return;
    BeginCall(selector, record, data, result);
    if (selector == filterSelectorAbout) {
        DoAbout();
        return;
    }
    if (!gFilterRecord->handleProcs) {
        // Nothing can be kept between calls without the host's handles.
        if (selector >= filterSelectorParameters && selector <= filterSelectorFinish) *result = errPlugInHostInsufficient;
        return;
    }

    switch (selector) {
        case filterSelectorParameters: DoParameters(); break;
        case filterSelectorPrepare: DoPrepare(); break;
        case filterSelectorStart: DoStart(); break;
        case filterSelectorContinue: DoContinue(); break;
        case filterSelectorFinish: DoFinish(); break;
        default: break;
    }
    UnlockHandles();
}
