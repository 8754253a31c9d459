#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/FileDialogs.h"

namespace snapwright::win32 {

// The system's save and open dialogs with a "|"-separated filter, a title and an initial folder.
// Each gives the chosen path as it stands, or empty text when the user cancelled.
std::string ShowSaveDialog(HWND owner, const std::string& filter, const std::string& title,
                           const std::string& initialFolder);
std::string ShowOpenDialog(HWND owner, const std::string& filter, const std::string& title,
                           const std::string& initialFolder);

// The file dialogs of one window, which owns them while they are open.
class Win32FileDialogs : public IFileDialogs {
public:
    explicit Win32FileDialogs(std::function<HWND()> owner) : m_owner(std::move(owner)) {}
    std::string ShowSaveDialog(const std::string& filter, const std::string& title,
                               const std::string& initialFolder) override;
    std::string ShowOpenDialog(const std::string& filter, const std::string& title,
                               const std::string& initialFolder) override;

private:
    std::function<HWND()> m_owner;
};

}  // namespace snapwright::win32
