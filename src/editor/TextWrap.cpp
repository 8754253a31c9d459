#include "editor/TextWrap.h"

#include <algorithm>

namespace snapwright {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The number of bytes that follow a lead byte, and the bits it gives; none for a byte that leads nothing.
bool Lead(unsigned char byte, int& following, char32_t& bits) {
    if (byte < 0x80) return following = 0, bits = byte, true;
    if ((byte & 0xE0) == 0xC0) return following = 1, bits = byte & 0x1F, true;
    if ((byte & 0xF0) == 0xE0) return following = 2, bits = byte & 0x0F, true;
    if ((byte & 0xF8) == 0xF0) return following = 3, bits = byte & 0x07, true;
    return false;
}

}  // namespace

// Overlong forms, surrogates and values beyond U+10FFFF are malformed too.
std::u32string DecodeUtf8(const std::string& text) {
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    std::u32string characters;
    for (std::size_t i = 0; i < text.size();) {
        int following = 0;
        char32_t value = 0;
        if (!Lead(static_cast<unsigned char>(text[i]), following, value)) {
            characters += kReplacement;
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        for (int k = 0; k < following; ++k, ++next) {
            if (next >= text.size() || (static_cast<unsigned char>(text[next]) & 0xC0) != 0x80) break;
            value = value << 6 | (static_cast<unsigned char>(text[next]) & 0x3F);
        }
        const bool whole = next == i + 1 + static_cast<std::size_t>(following);
        const bool valid =
            whole && value >= kSmallest[following] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        characters += valid ? value : kReplacement;
        i = whole ? next : std::max(next, i + 1);
    }
    return characters;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string bytes;
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | c >> 6);
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | c >> 12);
            bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | c >> 18);
            bytes += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

// Widths come from the extents of the whole paragraph: a line's width is the difference of the
// extents at its ends, as the renderer draws a line without kerning across the break.
std::vector<WrappedLine> WrapLines(const std::u32string& text, int width, const TextExtents& extents) {
    std::vector<WrappedLine> lines;
    std::size_t paragraph = 0;
    while (true) {
        const std::size_t paragraphEnd = std::min(text.find(U'\n', paragraph), text.size());
        const std::u32string part = text.substr(paragraph, paragraphEnd - paragraph);
        const std::vector<int> ends = part.empty() ? std::vector<int>{} : extents(part);
        const auto widthOf = [&](std::size_t begin, std::size_t end) {
            if (end <= begin || end > ends.size()) return 0;
            return ends[end - 1] - (begin > 0 ? ends[begin - 1] : 0);
        };
        const auto line = [&](std::size_t begin, std::size_t end) {
            lines.push_back({paragraph + begin, paragraph + end, widthOf(begin, end)});
        };
        std::size_t start = 0;
        if (width <= 0 || part.empty()) {
            line(0, part.size());
            start = part.size();
        }
        while (start < part.size()) {
            std::size_t fitting = start;  // the end of the last word that fits
            bool any = false;
            for (std::size_t k = start; k < part.size();) {
                while (k < part.size() && part[k] == U' ') ++k;
                if (k == part.size()) break;
                while (k < part.size() && part[k] != U' ') ++k;
                if (widthOf(start, k) > width) break;
                fitting = k;
                any = true;
            }
            if (!any) {
                // Spaces that stand before the first word belong to it.
                std::size_t wordEnd = start;
                while (wordEnd < part.size() && part[wordEnd] == U' ') ++wordEnd;
                while (wordEnd < part.size() && part[wordEnd] != U' ') ++wordEnd;
                fitting = start + 1;
                while (fitting < wordEnd && widthOf(start, fitting + 1) <= width) ++fitting;
            }
            line(start, fitting);
            start = fitting;
            while (start < part.size() && part[start] == U' ') ++start;
        }
        if (paragraphEnd == text.size()) break;
        paragraph = paragraphEnd + 1;
    }
    return lines;
}

}  // namespace snapwright
