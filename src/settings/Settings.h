#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace snapwright {

// The live settings record, read directly by every part of the program.
struct Settings {
    std::uint8_t PrintTo = 1;
    std::uint8_t SaveTo = 1;
    std::uint8_t SendTo = 1;
    std::uint8_t NumShots = 1;
    std::uint8_t Printformat = 1;
    std::uint8_t Language = 0;
    std::uint8_t Office = 0;
    bool ShowSplash = true;
    bool PrintTimeStamp = true;
    bool PrintUser = true;
    bool PrintComputer = true;
    bool PrintFooter = true;
};

// Store addressing shared by every key of the program.
inline constexpr const char* kSettingsApp = "Snapwright";
inline constexpr const char* kSettingsSection = "Config";

// Text forms of the stored values.
std::string ByteToText(std::uint8_t value);
std::string TruthToText(bool value);
// A whole number 0..255 written in decimal (surrounding blanks allowed), or nothing.
std::optional<std::uint8_t> TextToByte(const std::string& text);
// True exactly when the text is a whole number equal to 1.
bool TextToTruth(const std::string& text);

// Screenshots per page for a print format: 1 and 3 take one, 2 takes two.
std::optional<std::uint8_t> ShotsForPrintformat(std::uint8_t printformat);

}  // namespace snapwright
