#include "lang/Placeholders.h"

#include <algorithm>

#include "platform/Diagnostics.h"

namespace snapwright {

// A "{" never occurs inside a multi-byte UTF-8 sequence (those bytes are all 0x80 or above), so the
// text is scanned byte by byte and every other byte is copied through untouched.
std::string FillPlaceholders(std::string_view text, std::span<const TextValue> values) {
    std::string filled;
    filled.reserve(text.size());
    std::size_t copied = 0;
    for (PlaceholderAt p = NextPlaceholder(text); p.position != std::string_view::npos; p = NextPlaceholder(text, p.End())) {
        const auto value = std::ranges::find(values, p.name, &TextValue::name);
        if (value == values.end()) {
            DebugOutput("FillPlaceholders: no value for {" + std::string(p.name) + "} in \"" + std::string(text) + "\"");
            continue;
        }
        filled.append(text, copied, p.position - copied);
        filled += value->text;
        copied = p.End();
    }
    filled.append(text, copied);
    return filled;
}

}  // namespace snapwright
