#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace snapwright {

// The outcome of a file operation: success, or the reason for the failure in the system's words.
struct FileOutcome {
    bool ok = true;
    std::string reason;

    static FileOutcome Success() { return {}; }
    static FileOutcome Failure(std::string reason) { return {false, std::move(reason)}; }
};

// What tells a file's contents apart over time: its size and its last write.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// Files and folders, addressed by full paths in UTF-8 with "\" as the separator.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // The folder of the program's executable, without a trailing separator.
    virtual std::string ProgramFolder() const = 0;
    // True only for an existing folder (blanks around the path and one trailing "\" ignored).
    virtual bool FolderExists(const std::string& path) const = 0;
    virtual FileOutcome CreateFolder(const std::string& path) = 0;
    // Size and last write of an existing file; nothing when there is no such file.
    virtual std::optional<FileStamp> Stamp(const std::string& path) const = 0;
    // Creates or replaces the file with exactly these bytes.
    virtual FileOutcome WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace snapwright
