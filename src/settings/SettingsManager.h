#pragma once
#include "model/Settings.h"
#include "platform/SettingsStore.h"

namespace snapwright {

// The options dialog's side of the settings procedures: it shows the record on its controls.
class ISettingsView {
public:
    virtual ~ISettingsView() = default;
    virtual void ShowLoadedSettings(const Settings& settings) = 0;
    // The default print, save and send targets and the first language, and the suite's icons.
    virtual void ShowDefaultSettings() = 0;
};

// LoadSettings, SaveSettings and SetDefaults: the record against the per-user store, where every
// value is text. The only place that knows the stored numbers, which earlier releases wrote too.
class SettingsManager {
public:
    SettingsManager(ISettingsStore& store, Settings& settings);

    void SetView(ISettingsView* view) { m_view = view; }

    void LoadSettings();
    void SaveSettings();
    void SetDefaults();

private:
    ISettingsStore& m_store;
    Settings& m_settings;
    ISettingsView* m_view = nullptr;
};

}  // namespace snapwright
