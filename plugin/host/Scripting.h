// The width's round trip through the host's scripting system (the descriptor of
// the current filter invocation) and its descriptor registry (remembered across
// host restarts). Each returns a host error code; 0 is success.
#pragma once

#include "HostInterface.h"

OSErr ReadRegistryParameters();
OSErr WriteRegistryParameters();

// Also answers whether the dialog is to be shown.
OSErr ReadScriptParameters(Boolean* displayDialog);
OSErr WriteScriptParameters();
