// The procedure placed in every callback slot we do not implement: a plug-in
// that calls one gets an error instead of a crash.
#pragma once

#include "HostInterface.h"

GenericProc UnsupportedProc();
