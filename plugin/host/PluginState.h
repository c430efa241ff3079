// Per-call state: valid from the entry of PluginMain until it returns. The host
// may move or free its records between calls, so nothing here is trusted across
// calls.
#pragma once

#include "ParamBlocks.h"

extern FilterRecord* gFilterRecord;  // null for the about selector
extern AboutRecord* gAboutRecord;    // set for the about selector only
extern intptr_t* gDataSlot;
extern int16* gResult;
extern SPBasicSuite* gBasicSuite;
extern Parameters* gParams;  // set by LockHandles
extern PluginData* gData;    // set by LockHandles

// Locks the parameters handle and the data slot's handle and publishes their
// addresses. Sets the result to -30100 when a handle is missing and to -108
// when a lock fails; returns true when both addresses were obtained.
bool LockHandles();

// Stores the call's arguments in the per-call state and clears the rest.
void BeginCall(int16 selector, void* record, intptr_t* data, int16* result);

// Unlocks both handles, as done after every selector but about.
void UnlockHandles();
