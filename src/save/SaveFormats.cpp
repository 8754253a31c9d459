#include "save/SaveFormats.h"

#include "save/FileNaming.h"

namespace snapwright {

std::optional<int> FormatIndexForListText(const std::string& listText) {
    const std::string tail = UpperCaseAscii(LastCharacters(listText, 7));
    for (std::size_t i = 0; i < kSaveFormats.size(); ++i) {
        const std::string expected = "(*" + UpperCaseAscii(kSaveFormats[i].extension) + ")";
        if (tail == expected) return static_cast<int>(i);
    }
    return std::nullopt;
}

const SaveFormat* FormatForExtension(const std::string& extension) {
    const std::string upper = UpperCaseAscii(extension);
    for (const SaveFormat& format : kSaveFormats) {
        if (upper == UpperCaseAscii(format.extension)) return &format;
    }
    return nullptr;
}

std::string SystemFilterList(const std::string& filter) {
    std::string list = filter;
    if (list.empty() || list.back() != '|') list += '|';
    for (char& c : list) {
        if (c == '|') c = '\0';
    }
    // The list ends in an empty entry: its own NUL after the last pair's.
    list += '\0';
    return list;
}

}  // namespace snapwright
