#pragma once
// The input box of a number: the typed text as the box returns it, but a number
// beyond the range of a double is refused in the program's words and asked again.

#include <string>

// The text of the input box (prompt, title, top-left corner in twips of the
// screen), asked again until its number lies within the range of a double.
std::string AskNumber(const std::string& prompt, const std::string& title, double xTwips,
                      double yTwips);

// Tells the user that the typed text's number lies beyond the range of a double.
void SayNumberBeyondRange(const std::string& typed);
