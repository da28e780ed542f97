#pragma once
// An operation that may fail: done, or the reason it was not, in the user's words.

#include <string>

struct Outcome {
    std::string error;  // empty when done
    explicit operator bool() const { return error.empty(); }
};
