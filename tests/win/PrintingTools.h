#pragma once
// The PDF printer of the test run, for the test of the printing adapter and the print benchmark.
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

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

}  // namespace snapwright::testing
