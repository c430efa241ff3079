// The program body of the self-extractor: from process start to process end.
#pragma once

#include "StartupState.h"

// Prepares the work folder, the extraction module, the messages and the
// settings, runs the main window and ends the process with its exit code.
[[noreturn]] void szsfxmain2();
