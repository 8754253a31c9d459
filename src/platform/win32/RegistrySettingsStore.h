#pragma once
#include "platform/SettingsStore.h"

namespace snapwright::win32 {

// Settings under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>, one
// REG_SZ value per key: earlier releases kept them there, so a user's choices carry over.
class RegistrySettingsStore : public ISettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;

    static std::wstring KeyPath(const std::string& app, const std::string& section);
};

}  // namespace snapwright::win32
