#pragma once
#include <string>

namespace snapwright {

// A popup menu caption with its markers read: "-" alone is a separator, a leading "-" makes a
// header, a single "|" or "^" starts a new column (with or without a bar; doubled they stand for
// the character itself), a tab separates the shortcut text, and "&" marks the accelerator.
struct ParsedCaption {
    std::string display;      // "-" for a separator; "&" markers kept for drawing
    std::string shortcut;     // the text after the tab, shown at the right edge
    std::string accelerator;  // the upper-cased character after the "&", empty when none
    bool separator = false;
    bool header = false;
    bool columnBreakWithBar = false;
    bool columnBreak = false;
};

ParsedCaption ParseCaption(const std::string& caption);

// The character marked by the first single "&" ("&&" is a literal "&"), upper-cased; empty
// when there is none.
std::string AcceleratorOf(const std::string& display);

}  // namespace snapwright
