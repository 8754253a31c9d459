#include "save/win32/FileDialogs.h"

#include <commdlg.h>

#include "platform/Diagnostics.h"
#include "platform/win32/WideText.h"
#include "save/SaveFormats.h"

namespace snapwright::win32 {

namespace {

// Save: ask before replacing a file, no read-only box, ask before creating one.
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_CREATEPROMPT;
// Open: no read-only box, the file must exist.
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
static_assert(kSaveFlags == 0x2006 && kOpenFlags == 0x1004);

// Room for the longest path the system's file functions take.
constexpr std::size_t kPathCharacters = 32768;

std::string ShowFileDialog(bool save, HWND owner, const std::string& filter, const std::string& title,
                           const std::string& initialFolder) {
    // Converted with its length, the list keeps its NUL separators and its closing NULs.
    const std::wstring filterList = ToWide(SystemFilterList(filter));
    const std::wstring wideTitle = ToWide(title);
    const std::wstring folder = ToWide(initialFolder);
    std::wstring file(kPathCharacters, L'\0');
    std::wstring fileTitle(MAX_PATH, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.hInstance = ::GetModuleHandleW(nullptr);
    dialog.lpstrFilter = filterList.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = wideTitle.c_str();
    dialog.Flags = save ? kSaveFlags : kOpenFlags;

    const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (!chosen) {
        if (const DWORD error = ::CommDlgExtendedError()) {
            DebugOutput("The file dialog failed with error " + std::to_string(error));
        }
        return std::string();
    }
    // The path ends at the NUL the system wrote after it; blanks around it are not part of it.
    file.resize(file.find(L'\0'));
    const std::size_t first = file.find_first_not_of(L' ');
    const std::size_t last = file.find_last_not_of(L' ');
    if (first == std::wstring::npos) return std::string();
    return ToUtf8(file.substr(first, last - first + 1));
}

}  // namespace

std::string ShowSaveDialog(HWND owner, const std::string& filter, const std::string& title,
                           const std::string& initialFolder) {
    return ShowFileDialog(true, owner, filter, title, initialFolder);
}

std::string ShowOpenDialog(HWND owner, const std::string& filter, const std::string& title,
                           const std::string& initialFolder) {
    return ShowFileDialog(false, owner, filter, title, initialFolder);
}

std::string Win32FileDialogs::ShowSaveDialog(const std::string& filter, const std::string& title,
                                             const std::string& initialFolder) {
    return win32::ShowSaveDialog(m_owner ? m_owner() : nullptr, filter, title, initialFolder);
}

std::string Win32FileDialogs::ShowOpenDialog(const std::string& filter, const std::string& title,
                                             const std::string& initialFolder) {
    return win32::ShowOpenDialog(m_owner ? m_owner() : nullptr, filter, title, initialFolder);
}

}  // namespace snapwright::win32
