// A minimal filter for the host's tests, using only the plug-in interface.
// It keeps Parameters and PluginData like Linefix, takes the width from the
// registry and then the script, and for each plane inverts the samples on
// row startV between startH and endH and stores the width in pixel (0, 0).
// A width of 13 makes the start selector fail with filterBadParameters.
#pragma once

#include "HostInterface.h"

constexpr int32 kFakeFailingWidth = 13;

extern "C" void PluginMain(int16 selector, void* record, intptr_t* data, int16* result);
