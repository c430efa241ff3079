// A reader of extended dialog templates as resource compilers store them:
// the dialog's style, place and font, and each control's identifier, class,
// style and rectangle. Malformed data throws PeError, as the other resource
// readers do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PeImage.h"

struct DialogControl {
    uint32_t id;
    std::string windowClass;  // a name, or "#n" for the predefined class n
    uint32_t style;
    int16_t x, y, cx, cy;
};

struct DialogTemplate {
    uint32_t style;
    int16_t x, y, cx, cy;
    std::string caption;
    uint16_t pointSize;
    std::string font;
    std::vector<DialogControl> controls;
};

DialogTemplate ParseDialogTemplate(const ByteVector& bytes);
