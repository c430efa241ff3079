// Handlers of the selectors the host calls PluginMain with.
#pragma once

void DoParameters();
void DoPrepare();
void DoStart();
void DoContinue();
void DoFinish();
