#include "settings/SettingsManager.h"

#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "lang/TextId.h"

namespace snapwright {

namespace {

// The twelve keys in the order in which they are read and written, with the text a missing key reads as.
enum Key { kPrintTo, kSaveTo, kSendTo, kNumShots, kPrintformat, kLanguage, kOffice, kShowSplash,
           kPrintTimeStamp, kPrintUser, kPrintComputer, kPrintFooter, kKeyCount };
constexpr std::array<const char*, kKeyCount> kKeyNames{
    "PrintTo",  "SaveTo", "SendTo",     "NumShots",       "Printformat", "Language",
    "Office",   "ShowSplash", "PrintTimeStamp", "PrintUser", "PrintComputer", "PrintFooter"};
constexpr std::array<const char*, kKeyCount> kMissingKeyTexts{"1", "1", "1", "1", "1", "0",
                                                               "0", "1", "1", "1", "1", "1"};

// A setting's values with the numbers that stand for them in the store; the first is the default.
template <typename Value>
struct Stored {
    Value value;
    int number;
};

constexpr Stored<PrintTarget> kPrintTargets[] = {{PrintTarget::DefaultPrinter, 1}, {PrintTarget::ChosenPrinter, 2}};
constexpr Stored<SaveTarget> kSaveTargets[] = {
    {SaveTarget::ProgramFolder, 1}, {SaveTarget::AskForFile, 2}, {SaveTarget::Unnamed, 0}};
constexpr Stored<SendTarget> kSendTargets[] = {{SendTarget::WordProcessor, 1}, {SendTarget::Spreadsheet, 2},
                                               {SendTarget::Presentation, 3},  {SendTarget::AskAtSend, 4},
                                               {SendTarget::Editor, 5},        {SendTarget::Nowhere, 0}};
constexpr Stored<PageFormat> kPageFormats[] = {{PageFormat::PortraitOneShot, 1},
                                               {PageFormat::PortraitTwoShots, 2},
                                               {PageFormat::LandscapeOneShot, 3}};
constexpr Stored<OfficeSuite> kOfficeSuiteNumbers[] = {{OfficeSuite::Microsoft, 0}, {OfficeSuite::OpenOffice, 1}};

// A whole number 0..255 in decimal, blanks around it allowed; anything else (signs, fractions,
// letters, larger numbers) is nothing.
std::optional<int> StoredByte(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::string digits = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (digits.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    return value;
}

// Text that is no number from 0 to 255 reads as the default: a damaged store must not stop the
// program. A number the setting has no value for reads as `otherNumber` where the setting has
// one (the targets that then do nothing), and as the default elsewhere.
template <typename Value, std::size_t N>
Value FromText(const std::string& text, const Stored<Value> (&values)[N], std::optional<Value> otherNumber = {}) {
    const auto number = StoredByte(text);
    if (!number) return values[0].value;
    for (const auto& stored : values) {
        if (stored.number == *number) return stored.value;
    }
    return otherNumber.value_or(values[0].value);
}

template <typename Value, std::size_t N>
std::string ToText(Value value, const Stored<Value> (&values)[N]) {
    for (const auto& stored : values) {
        if (stored.value == value) return std::to_string(stored.number);
    }
    return std::to_string(values[0].number);
}

// True exactly when the text is the number 1; the store holds "1" and "0".
bool TruthFromText(const std::string& text) {
    return StoredByte(text) == 1;
}

std::string TruthToText(bool value) {
    return value ? "1" : "0";
}

}  // namespace

SettingsManager::SettingsManager(ISettingsStore& store, Settings& settings) : m_store(store), m_settings(settings) {}

void SettingsManager::LoadSettings() {
    std::array<std::string, kKeyCount> text;
    for (int key = 0; key < kKeyCount; ++key) {
        text[key] = m_store.GetSetting(kSettingsApp, kSettingsSection, kKeyNames[key], kMissingKeyTexts[key]);
    }

    // An emptied target key means the stored settings are unusable as a whole.
    if (text[kPrintTo].empty() || text[kSaveTo].empty() || text[kSendTo].empty() || text[kNumShots].empty()) {
        SetDefaults();
        SaveSettings();
        return;
    }

    // NumShots is not read: the page format decides it.
    Settings& s = m_settings;
    s.PrintTo = FromText(text[kPrintTo], kPrintTargets);
    s.SaveTo = FromText(text[kSaveTo], kSaveTargets, std::optional(SaveTarget::Unnamed));
    s.SendTo = FromText(text[kSendTo], kSendTargets, std::optional(SendTarget::Nowhere));
    s.Printformat = FromText(text[kPrintformat], kPageFormats);
    const std::optional<int> language = StoredByte(text[kLanguage]);
    s.Language = language && *language < kLanguageCount ? *language : 0;
    s.Office = FromText(text[kOffice], kOfficeSuiteNumbers);
    s.ShowSplash = TruthFromText(text[kShowSplash]);
    s.PrintTimeStamp = TruthFromText(text[kPrintTimeStamp]);
    s.PrintUser = TruthFromText(text[kPrintUser]);
    s.PrintComputer = TruthFromText(text[kPrintComputer]);
    s.PrintFooter = TruthFromText(text[kPrintFooter]);

    if (m_view) m_view->ShowLoadedSettings(s);
}

// NumShots is stored for the releases that read it.
void SettingsManager::SaveSettings() {
    const Settings& s = m_settings;
    const std::array<std::string, kKeyCount> text{
        ToText(s.PrintTo, kPrintTargets),        ToText(s.SaveTo, kSaveTargets),
        ToText(s.SendTo, kSendTargets),          std::to_string(ShotsPerPage(s.Printformat)),
        ToText(s.Printformat, kPageFormats),     std::to_string(s.Language),
        ToText(s.Office, kOfficeSuiteNumbers),   TruthToText(s.ShowSplash),
        TruthToText(s.PrintTimeStamp),           TruthToText(s.PrintUser),
        TruthToText(s.PrintComputer),            TruthToText(s.PrintFooter),
    };
    for (int key = 0; key < kKeyCount; ++key) {
        m_store.SaveSetting(kSettingsApp, kSettingsSection, kKeyNames[key], text[key]);
    }
}

void SettingsManager::SetDefaults() {
    m_settings = Settings{};
    if (m_view) m_view->ShowDefaultSettings();
}

}  // namespace snapwright
