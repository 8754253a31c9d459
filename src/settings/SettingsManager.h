#pragma once
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

namespace snapwright {

// The options dialog's side of the settings procedures: it shows the record on its controls.
class ISettingsView {
public:
    virtual ~ISettingsView() = default;
    // Selects the controls that show the loaded record (their click handlers write it back).
    virtual void ShowLoadedSettings(const Settings& settings) = 0;
    // Selects the default print, save and send targets and the first language, and the suite icons.
    virtual void ShowDefaultSettings() = 0;
};

// LoadSettings, SaveSettings and SetDefaults: the record against the per-user store.
class SettingsManager {
public:
    SettingsManager(ISettingsStore& store, Settings& settings);

    void SetView(ISettingsView* view) { m_view = view; }

    void LoadSettings();
    void SaveSettings();
    void SetDefaults();

    static constexpr int kLanguageCount = 17;

private:
    std::string Read(const char* key, const char* defaultText) const;
    void Write(const char* key, const std::string& text);

    ISettingsStore& m_store;
    Settings& m_settings;
    ISettingsView* m_view = nullptr;
};

}  // namespace snapwright
