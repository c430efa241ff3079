// The host's displayPixels procedure.
#pragma once

#include "HostInterface.h"

// On Windows it draws the pixel map into the device context given as the
// platform context; elsewhere there is nothing to draw into and it reports
// that the host lacks the service.
DisplayPixelsProc DisplayPixels();
