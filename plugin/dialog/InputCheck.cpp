#include "InputCheck.h"

#include "PluginState.h"

InputProblem CheckInput() {
    if (gData->pointCount < 2 || gData->pointCount > kMaxWirePoints) return InputProblem::kNoWire;
    const int32 width = gParams->wireAreaWidth;
    if (width < kMinWireAreaWidth || width > kMaxWireAreaWidth) return InputProblem::kWidthOutOfRange;
    return InputProblem::kNone;
}
