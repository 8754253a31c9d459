#pragma once
#include <span>
#include <string>
#include <string_view>

namespace snapwright {

// A named placeholder in a text: "{" + a name of ASCII letters, the first in lower case + "}", as in
// "The picture is {size} pixels.". Any other brace is an ordinary character.
struct PlaceholderAt {
    std::size_t position = std::string_view::npos;  // of its "{"; npos: none
    std::string_view name;

    constexpr std::size_t End() const { return position + name.size() + 2; }
};

// The first placeholder of `text` at or after `from`.
constexpr PlaceholderAt NextPlaceholder(std::string_view text, std::size_t from = 0) {
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t open = text.find('{', from); open != std::string_view::npos; open = text.find('{', open + 1)) {
        std::size_t end = open + 1;
        while (end < text.size() && isLetter(text[end])) ++end;
        if (end > open + 1 && end < text.size() && text[end] == '}' && text[open + 1] >= 'a' && text[open + 1] <= 'z') {
            return {open, text.substr(open + 1, end - open - 1)};
        }
    }
    return {};
}

constexpr bool HasPlaceholder(std::string_view text, std::string_view name) {
    for (PlaceholderAt p = NextPlaceholder(text); p.position != std::string_view::npos; p = NextPlaceholder(text, p.End())) {
        if (p.name == name) return true;
    }
    return false;
}

// True when each text has every placeholder of the other: a translation fills in what its English
// text fills in, no less and no more.
constexpr bool SamePlaceholders(std::string_view text, std::string_view other) {
    for (PlaceholderAt p = NextPlaceholder(text); p.position != std::string_view::npos; p = NextPlaceholder(text, p.End())) {
        if (!HasPlaceholder(other, p.name)) return false;
    }
    for (PlaceholderAt p = NextPlaceholder(other); p.position != std::string_view::npos; p = NextPlaceholder(other, p.End())) {
        if (!HasPlaceholder(text, p.name)) return false;
    }
    return true;
}

// The value of one placeholder: its name without braces (a literal) and the text that stands for it.
struct TextValue {
    std::string_view name;
    std::string text;
};

// `text` with each placeholder replaced by its value, in one pass: a value goes in as it is, braces
// and all, and is never read for placeholders itself. A placeholder without a value stays as written,
// so that the gap shows; a value without a placeholder is left out. UTF-8 in and out.
std::string FillPlaceholders(std::string_view text, std::span<const TextValue> values);

}  // namespace snapwright
