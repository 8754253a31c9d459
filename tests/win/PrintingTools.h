#pragma once
// The PDF printer of the test run and answering a modal dialog, for the tests of the printing
// adapters.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>

namespace snapwright::testing {

// Where the test run's cups-pdf printer writes its files, as a Windows path; empty when the
// tests run without it.
inline std::wstring PdfFolder() {
    const char* unixPath = std::getenv("SNAPWRIGHT_PDF_DIR");
    if (!unixPath || !*unixPath) return {};
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

inline std::set<std::wstring> PdfFiles(const std::wstring& folder) {
    std::set<std::wstring> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        files.insert(folder + L"\\" + found.cFileName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return files;
}

inline std::string ReadFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Waits for a complete PDF file that was not there before; empty after the time-out.
inline std::wstring WaitForNewPdf(const std::wstring& folder, const std::set<std::wstring>& before,
                                  std::chrono::seconds timeout = std::chrono::seconds(90)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        for (const std::wstring& file : PdfFiles(folder)) {
            if (before.count(file)) continue;
            const std::string content = ReadFile(file);
            if (content.rfind("%PDF", 0) == 0 && content.find("%%EOF", content.size() > 64 ? content.size() - 64 : 0) !=
                                                     std::string::npos) {
                return file;
            }
        }
        ::Sleep(100);
    }
    return {};
}

// Presses a button of the first dialog box this process shows, from a second thread, while the
// test's own thread sits in the dialog's modal loop.
class DialogAnswer {
public:
    explicit DialogAnswer(int button) : m_thread([this, button] { Run(button); }) {}
    ~DialogAnswer() {
        m_stop = true;
        m_thread.join();
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    std::wstring Title() const { return m_title; }

private:
    struct Search {
        HWND found = nullptr;
    };
    static BOOL CALLBACK Match(HWND window, LPARAM param) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        wchar_t className[64] = {};
        ::GetClassNameW(window, className, 64);
        if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) && std::wstring(className) == L"#32770") {
            reinterpret_cast<Search*>(param)->found = window;
            return FALSE;
        }
        return TRUE;
    }
    void Run(int button) {
        const DWORD until = ::GetTickCount() + 30000;
        while (!m_stop && ::GetTickCount() < until) {
            Search search;
            ::EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                ::Sleep(200);
                wchar_t title[256] = {};
                ::GetWindowTextW(search.found, title, 256);
                m_title = title;
                ::PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                return;
            }
            ::Sleep(50);
        }
    }

    std::atomic<bool> m_stop{false};
    std::wstring m_title;
    std::thread m_thread;
};

}  // namespace snapwright::testing
