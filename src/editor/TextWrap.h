#pragma once
#include <functional>
#include <string>
#include <vector>

namespace snapwright {

// UTF-8 and its characters; a malformed byte becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);

// A line of wrapped text: the characters of the text from `begin` up to `end`, and its width.
struct WrappedLine {
    std::size_t begin = 0;
    std::size_t end = 0;
    int width = 0;
    friend bool operator==(const WrappedLine&, const WrappedLine&) = default;
};

// The width of a line from its start up to and including each of its characters.
using TextExtents = std::function<std::vector<int>(const std::u32string& line)>;

// The one rule by which text breaks into lines, in the field where it is typed as in the picture:
// a new line at every "\n"; with a width other than 0, a line takes as many words (characters
// between spaces) as fit into the width, the spaces where it breaks belong to no line, and a word
// wider than the width alone breaks after its last character that fits (one at least).
std::vector<WrappedLine> WrapLines(const std::u32string& text, int width, const TextExtents& extents);

}  // namespace snapwright
