#include "platform/win32/RegistrySettingsStore.h"

#include <windows.h>

#include <vector>

#include "platform/Diagnostics.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

std::wstring RegistrySettingsStore::KeyPath(const std::string& app, const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + ToWide(app) + L"\\" + ToWide(section);
}

std::string RegistrySettingsStore::GetSetting(const std::string& app, const std::string& section,
                                              const std::string& key, const std::string& defaultValue) const {
    UniqueHkey hkey;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE, hkey.put()) !=
        ERROR_SUCCESS) {
        return defaultValue;
    }
    const std::wstring name = ToWide(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return defaultValue;
    }
    // The stored text need not end in a NUL: read into a buffer with room for one.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &bytes) != ERROR_SUCCESS) {
        return defaultValue;
    }
    return ToUtf8(std::wstring(buffer.data()));
}

void RegistrySettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                        const std::string& value) {
    UniqueHkey hkey;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          hkey.put(), nullptr) != ERROR_SUCCESS) {
        DebugOutput("The settings key could not be opened for writing " + key);
        return;
    }
    const std::wstring text = ToWide(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    if (::RegSetValueExW(hkey.get(), ToWide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         bytes) != ERROR_SUCCESS) {
        DebugOutput("The setting could not be written: " + key);
    }
}

}  // namespace snapwright::win32
