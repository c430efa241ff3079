#include "InputCheck.h"

#include "PluginState.h"

InputProblem CheckInput() {
    if (gData->pointCount != 2) return InputProblem::kNoWire;
    const int32 width = gParams->wireAreaWidth;
    if (width < kMinWireAreaWidth || width > kMaxWireAreaWidth) return InputProblem::kWidthOutOfRange;
    return InputProblem::kNone;
}
