// A payload that cannot be what the builder wrote: a length or count beyond
// the limits of the program, a header that points outside the file. Reading
// stops at once; the program body answers with the start-up error.
#pragma once

#include <exception>

// Holds a fixed text rather than a string: the self-extractor stays small
// without the library's string-holding exceptions.
class PayloadError : public std::exception {
public:
    explicit PayloadError(const char* reason) noexcept : reason_(reason) {}
    const char* what() const noexcept override { return reason_; }

private:
    const char* reason_;
};
