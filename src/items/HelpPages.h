#pragma once

#include <string>

// The help window's four pages of fixed text, numbered 1 to 4.
constexpr int HelpPageCount = 4;

// A page's whole text. The pages hold no line breaks: the text box wraps the words, and runs of
// blanks push each heading and the first line of its body into place.
std::string helpPageText(int page);
