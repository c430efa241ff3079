// The image fields of the filter record and of the big document block: size,
// planes (a layer's with its transparency plane), mode, depth, filter case
// and a filter rectangle covering the whole image.
#pragma once

#include "ImagePlanes.h"

// big may be null. Throws HostError when the 16-bit fields cannot hold the
// size and there is no big document block to carry it.
void DescribeImage(FilterRecord& record, BigDocumentStruct* big, const ImagePlanes& image);
