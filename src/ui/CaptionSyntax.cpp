#include "ui/CaptionSyntax.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace snapwright {

namespace {

// Takes every single `marker` out of `text` and turns every doubled one into one; true when a
// single one was found.
bool TakeMarker(std::string& text, char marker) {
    std::string result;
    result.reserve(text.size());
    bool found = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != marker) {
            result += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == marker) {
            result += marker;
            ++i;
        } else {
            found = true;
        }
    }
    text = std::move(result);
    return found;
}

// The length of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

std::uint32_t Decode(const std::string& character) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(character[i])); };
    switch (character.size()) {
        case 1:
            return byte(0);
        case 2:
            return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        case 3:
            return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        default:
            return 0;
    }
}

std::string Encode(std::uint32_t code) {
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

// Upper case for the letters of the program's languages: Latin (with Latin-1), Greek and
// Cyrillic. Anything else is kept as it is; the typed key is compared without regard to case.
std::string UpperCase(const std::string& character) {
    const std::uint32_t code = Decode(character);
    std::uint32_t upper = code;
    if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7) ||
        (code >= 0x3B1 && code <= 0x3C9 && code != 0x3C2) || (code >= 0x430 && code <= 0x44F)) {
        upper = code - 0x20;
    } else if (code == 0x3C2) {
        upper = 0x3A3;  // final sigma
    } else if (code >= 0x450 && code <= 0x45F) {
        upper = code - 0x50;
    }
    return upper == code ? character : Encode(upper);
}

}  // namespace

std::string AcceleratorOf(const std::string& display) {
    for (std::size_t i = 0; i + 1 < display.size(); ++i) {
        if (display[i] != '&') continue;
        // "&&" is drawn as a literal "&" and marks nothing.
        if (display[i + 1] == '&') {
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(static_cast<unsigned char>(display[i + 1]));
        return UpperCase(display.substr(i + 1, length));
    }
    return {};
}

ParsedCaption ParseCaption(const std::string& caption) {
    ParsedCaption parsed;
    if (caption == "-") {
        parsed.separator = true;
        parsed.display = "-";
        return parsed;
    }
    std::string text = caption;
    if (!text.empty() && text[0] == '-') {
        parsed.header = true;
        text.erase(0, 1);
    }
    parsed.columnBreakWithBar = TakeMarker(text, '|');
    parsed.columnBreak = TakeMarker(text, '^');
    const std::size_t tab = text.find('\t');
    if (tab != std::string::npos) {
        parsed.shortcut = text.substr(tab + 1);
        text.erase(tab);
    }
    parsed.display = text;
    parsed.accelerator = AcceleratorOf(text);
    return parsed;
}

}  // namespace snapwright
