#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/SystemErrorText.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

FileOutcome LastErrorOutcome() {
    return FileErrorOutcome(::GetLastError());
}

bool IsDriveRoot(const std::wstring& path) {
    return path.size() == 3 && path[1] == L':' && path[2] == L'\\';
}

}  // namespace

std::string Win32FileSystem::ProgramFolder() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    return ToUtf8(separator == std::wstring::npos ? std::wstring() : path.substr(0, separator));
}

bool Win32FileSystem::FolderExists(const std::string& path) const {
    std::wstring folder = ToWide(path);
    const std::size_t first = folder.find_first_not_of(L' ');
    const std::size_t last = folder.find_last_not_of(L' ');
    folder = first == std::wstring::npos ? std::wstring() : folder.substr(first, last - first + 1);
    // "C:" alone would name the current folder of drive C, which exists whenever the drive does;
    // the drive's root keeps its "\".
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    if (!folder.empty() && folder.back() == L'\\' && !IsDriveRoot(folder)) folder.pop_back();
    if (folder.empty()) return false;
    // The attributes of the path itself: unlike a file search, this finds drive roots and takes
    // no "*" or "?" in a folder name for a pattern.
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileOutcome Win32FileSystem::CreateFolder(const std::string& path) {
    if (::CreateDirectoryW(ToWide(path).c_str(), nullptr)) return {};
    return LastErrorOutcome();
}

std::optional<FileStamp> Win32FileSystem::Stamp(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    stamp.lastWrite = static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                      data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

FileOutcome Win32FileSystem::WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    UniqueFileHandle file(::CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastErrorOutcome();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 24));
        DWORD done = 0;
        if (!::WriteFile(file.get(), bytes.data() + written, chunk, &done, nullptr)) return LastErrorOutcome();
        written += done;
    }
    // A full disk may only show when the last buffers go out.
    if (!::CloseHandle(file.release())) return LastErrorOutcome();
    return {};
}

// Written through, so that the file has its new name on the disk before the program goes on.
FileOutcome Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    if (::MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return LastErrorOutcome();
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
    return ::DeleteFileW(ToWide(path).c_str()) != FALSE;
}

}  // namespace snapwright::win32
