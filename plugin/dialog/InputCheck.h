// Whether OK may close the dialog.
#pragma once

enum class InputProblem {
    kNone,
    kNoWire,             // fewer than two points marked (or more than a record holds)
    kWidthOutOfRange,    // the width lies outside 5..200
};

// Checks the marking first, then the width.
InputProblem CheckInput();
