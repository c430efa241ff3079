// Whether OK may close the dialog.
#pragma once

enum class InputProblem {
    kNone,
    kNoWire,             // fewer than two points marked
    kWidthOutOfRange,    // the width lies outside 5..200
};

// Checks the marking first, then the width.
InputProblem CheckInput();
