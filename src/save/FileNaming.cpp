#include "save/FileNaming.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace snapwright {

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Byte offsets at which the characters of a UTF-8 text start.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(static_cast<unsigned char>(text[i]))) starts.push_back(i);
    }
    return starts;
}

std::uint32_t DecodeAt(const std::string& text, std::size_t start, std::size_t end) {
    const auto lead = static_cast<unsigned char>(text[start]);
    if (lead < 0x80) return lead;
    std::uint32_t value = lead & (lead >= 0xF0 ? 0x07 : lead >= 0xE0 ? 0x0F : 0x1F);
    for (std::size_t i = start + 1; i < end; ++i) value = (value << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return value;
}

// The separators that the general date-and-time text may hold: dropped so that the stamp is
// one run of digits (and letters, such as AM or PM).
bool IsStampSeparator(std::uint32_t c) {
    return c == ':' || c == '.' || c == ' ' || c == 0x00A0 || c == 0x202F;
}

// What Windows does not allow in a file name: a "/" of a US date would otherwise turn the stamp
// into folders that do not exist.
bool IsForbiddenInFileName(std::uint32_t c) {
    switch (c) {
        case '<': case '>': case ':': case '"': case '/': case '\\': case '|': case '?': case '*':
            return true;
        default:
            return c < 0x20 || c == 0x7F;
    }
}

}  // namespace

std::string DateTimeStamp(const std::string& generalDateTime) {
    std::string stamp;
    const std::vector<std::size_t> starts = CharacterStarts(generalDateTime);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : generalDateTime.size();
        const std::uint32_t c = DecodeAt(generalDateTime, starts[i], end);
        if (IsStampSeparator(c) || IsForbiddenInFileName(c)) continue;
        stamp.append(generalDateTime, starts[i], end - starts[i]);
    }
    return stamp;
}

PathParts SplitPath(const std::string& path) {
    // The separators are ASCII, and no byte of a multi-byte UTF-8 character is: a byte search
    // finds the same place as a walk over the characters.
    const std::size_t last = path.find_last_of(":/\\");
    if (last == std::string::npos) return {std::string(), path};
    return {path.substr(0, last + 1), path.substr(last + 1)};
}

std::string ShortenedFileName(const std::string& sFile) {
    PathParts parts = SplitPath(sFile);
    if (CharacterCount(parts.folder) > 20) parts.folder = FirstCharacters(parts.folder, 20) + "...\\";
    return parts.folder + parts.file;
}

std::string ThumbnailFileName(const std::string& fileName) {
    // Only the file's own name counts: a folder such as "x.png\" must stay as it is.
    const PathParts parts = SplitPath(fileName);
    const std::size_t dot = parts.file.rfind('.');
    if (dot == std::string::npos) return fileName + "_thumb";
    return parts.folder + parts.file.substr(0, dot) + "_thumb" + parts.file.substr(dot);
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t last = path.rfind('\\');
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

// CON, PRN, AUX, NUL and COM1..9, LPT1..9 name devices in every folder; the system ignores an
// extension and blanks before it, so "Con .png" opens the console, not a file.
std::string ReservedDeviceName(const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
        const std::string name = path.substr(start, end - start);
        std::string base = UpperCaseAscii(name.substr(0, name.find('.')));
        base.erase(base.find_last_not_of(' ') + 1);
        const bool numbered = base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
                              base[3] >= '1' && base[3] <= '9';
        if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || numbered) return name;
        start = end + 1;
    }
    return std::string();
}

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return !IsContinuationByte(static_cast<unsigned char>(byte));
    }));
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    if (count >= starts.size()) return text;
    return text.substr(0, starts[count]);
}

std::string LastCharacters(const std::string& text, std::size_t count) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    if (count == 0) return std::string();
    if (count >= starts.size()) return text;
    return text.substr(starts[starts.size() - count]);
}

std::string WithoutLastCharacters(const std::string& text, std::size_t count) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    if (count == 0) return text;
    if (count >= starts.size()) return std::string();
    return text.substr(0, starts[starts.size() - count]);
}

std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace snapwright
