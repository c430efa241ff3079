// Why sfxbuild refuses to build: one line for the user, the output untouched.
#pragma once

#include <stdexcept>

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
