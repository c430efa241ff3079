// The rectangles a plug-in asks for, read from the 32-bit fields of the big
// document block when the plug-in said it uses them, else from the 16-bit ones.
#pragma once

#include "HostInterface.h"

VRect RequestedInRect(const FilterRecord& record);
VRect RequestedOutRect(const FilterRecord& record);
VRect RequestedMaskRect(const FilterRecord& record);

// Also true for an inverted rectangle, which covers no pixel either.
bool IsEmpty(const VRect& r);
