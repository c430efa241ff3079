#include "MainWindowState.h"

#include "OverwriteRules.h"

TForm1* Form1 = nullptr;
bool extractActive = false;
uint8_t overwriteChoice = kChoiceAsk;
std::wstring currentTargetName;
