// The toolbar's image list, made from the bitmap strip with the image-list
// functions of the common controls library, looked up by name at run time.
#pragma once

#include <windows.h>

// 16 x 16 images with 24-bit colour and a mask, from bitmap resource 109 on
// its light grey background; null when the library or the bitmap is missing.
HANDLE CreateToolbarImages();

// Frees a list made by CreateToolbarImages; nothing for null.
void DestroyToolbarImages(HANDLE images);
