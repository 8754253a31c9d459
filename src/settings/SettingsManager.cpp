#include "settings/SettingsManager.h"

#include <array>

namespace snapwright {

namespace {

struct KeyDefault {
    const char* key;
    const char* defaultText;
};

// The twelve keys in the order in which they are read and written.
constexpr std::array<KeyDefault, 12> kKeys{{
    {"PrintTo", "1"}, {"SaveTo", "1"}, {"SendTo", "1"}, {"NumShots", "1"},
    {"Printformat", "1"}, {"Language", "0"}, {"Office", "0"}, {"ShowSplash", "1"},
    {"PrintTimeStamp", "1"}, {"PrintUser", "1"}, {"PrintComputer", "1"}, {"PrintFooter", "1"},
}};

enum KeyIndex { kPrintTo, kSaveTo, kSendTo, kNumShots, kPrintformat, kLanguage, kOffice, kShowSplash,
                kPrintTimeStamp, kPrintUser, kPrintComputer, kPrintFooter };

// A damaged byte value must not stop the program: it falls back to its key's default.
std::uint8_t ByteOrDefault(const std::string& text, const KeyDefault& key) {
    if (const auto value = TextToByte(text)) return *value;
    return *TextToByte(key.defaultText);
}

}  // namespace

SettingsManager::SettingsManager(ISettingsStore& store, Settings& settings)
    : m_store(store), m_settings(settings) {}

std::string SettingsManager::Read(const char* key, const char* defaultText) const {
    return m_store.GetSetting(kSettingsApp, kSettingsSection, key, defaultText);
}

void SettingsManager::Write(const char* key, const std::string& text) {
    m_store.SaveSetting(kSettingsApp, kSettingsSection, key, text);
}

void SettingsManager::LoadSettings() {
    std::array<std::string, kKeys.size()> text;
    for (std::size_t i = 0; i < kKeys.size(); ++i) text[i] = Read(kKeys[i].key, kKeys[i].defaultText);

    // An emptied target key means the stored settings are unusable as a whole.
    if (text[kPrintTo].empty() || text[kSaveTo].empty() || text[kSendTo].empty() || text[kNumShots].empty()) {
        SetDefaults();
        SaveSettings();
        return;
    }

    Settings& s = m_settings;
    s.PrintTo = ByteOrDefault(text[kPrintTo], kKeys[kPrintTo]);
    s.SaveTo = ByteOrDefault(text[kSaveTo], kKeys[kSaveTo]);
    s.SendTo = ByteOrDefault(text[kSendTo], kKeys[kSendTo]);
    s.NumShots = ByteOrDefault(text[kNumShots], kKeys[kNumShots]);
    s.Language = ByteOrDefault(text[kLanguage], kKeys[kLanguage]);
    if (s.Language >= kLanguageCount) s.Language = 0;
    s.Office = ByteOrDefault(text[kOffice], kKeys[kOffice]);
    s.ShowSplash = TextToTruth(text[kShowSplash]);
    s.PrintTimeStamp = TextToTruth(text[kPrintTimeStamp]);
    s.PrintUser = TextToTruth(text[kPrintUser]);
    s.PrintComputer = TextToTruth(text[kPrintComputer]);
    s.PrintFooter = TextToTruth(text[kPrintFooter]);

    // The print format decides the shots per page; a format outside 1..3 is read as the default.
    std::uint8_t printformat = ByteOrDefault(text[kPrintformat], kKeys[kPrintformat]);
    if (!ShotsForPrintformat(printformat)) printformat = *TextToByte(kKeys[kPrintformat].defaultText);
    s.Printformat = printformat;
    s.NumShots = *ShotsForPrintformat(printformat);

    if (m_view) m_view->ShowLoadedSettings(s);
}

void SettingsManager::SaveSettings() {
    const Settings& s = m_settings;
    const std::array<std::string, kKeys.size()> text{
        ByteToText(s.PrintTo),        ByteToText(s.SaveTo),         ByteToText(s.SendTo),
        ByteToText(s.NumShots),       ByteToText(s.Printformat),    ByteToText(s.Language),
        ByteToText(s.Office),         TruthToText(s.ShowSplash),    TruthToText(s.PrintTimeStamp),
        TruthToText(s.PrintUser),     TruthToText(s.PrintComputer), TruthToText(s.PrintFooter),
    };
    for (std::size_t i = 0; i < kKeys.size(); ++i) Write(kKeys[i].key, text[i]);
}

void SettingsManager::SetDefaults() {
    Settings& s = m_settings;
    s.PrintTo = 1;
    s.SaveTo = 1;
    s.SendTo = 1;
    s.NumShots = 1;
    s.Printformat = 1;
    s.Language = 0;
    s.Office = 0;
    s.ShowSplash = true;
    if (m_view) m_view->ShowDefaultSettings();
    s.PrintTimeStamp = true;
    s.PrintUser = true;
    s.PrintComputer = true;
    s.PrintFooter = true;
}

}  // namespace snapwright
