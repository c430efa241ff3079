#include "ValidateInput.h"

#include <cstdio>

#include "InputCheck.h"
#include "ParamBlocks.h"

namespace {

void ShowError(HWND dialog, const char* text, const char* caption) {
    MessageBoxA(dialog, text, caption, MB_ICONERROR | MB_OK);
}

}  // namespace

bool ValidateInput(HWND dialog) {
    switch (CheckInput()) {
        case InputProblem::kNone:
            return true;
        case InputProblem::kNoWire:
            ShowError(dialog, "Please, specify start and end points\nof the wire to be removed.", "No wire selected");
            return false;
        case InputProblem::kWidthOutOfRange: {
            char text[1000];
            std::snprintf(text, sizeof text, "Wire area width should be in %d..%d range.", int(kMinWireAreaWidth),
                          int(kMaxWireAreaWidth));
            ShowError(dialog, text, "Invalid wire area width");
            return false;
        }
    }
    return false;
}
