// A payload that cannot be what the builder wrote: a length or count beyond
// the limits of the program, a header that points outside the file. Reading
// stops at once; the program body answers with the start-up error.
#pragma once

#include <stdexcept>

class PayloadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
