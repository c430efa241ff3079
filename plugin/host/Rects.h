// Host rectangles as four int32 (top, left, bottom, right), taken from the
// 32-bit big-document fields when the host offers them and the 16-bit fields
// of the filter record otherwise.
#pragma once

#include "HostInterface.h"

VRect GetFilterRect();
VRect GetInRect();
void SetInRect(const VRect& r);
void SetOutRect(const VRect& r);
void SetMaskRect(const VRect& r);

// Every coordinate becomes coordinate * num / den, truncating toward zero;
// a zero den leaves the rectangle unchanged.
void ScaleRect(VRect& r, int16 num, int16 den);
