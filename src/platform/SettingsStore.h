#pragma once
#include <string>

namespace snapwright {

// The per-user settings store: text values addressed by application, section and key.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // The stored text, or defaultValue when the key is absent.
    virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace snapwright
