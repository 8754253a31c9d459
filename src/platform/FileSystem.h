#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace snapwright {

// What kind of failure a file operation met, where the program can say it in plain words; Other
// leaves it to the system's own words.
enum class FileFailure {
    None,
    Other,              // the system's words in the outcome's reason say it
    NotFound,           // the system found no such file, folder or drive on the way
    NameTooLong,        // the system refused the length of the path or of a name in it
    BadName,            // the system refused the name itself
    NotEncoded,         // the image library could not encode the picture
    NotScaled,          // the image library could not scale the picture down to a thumbnail
    PictureUnreadable,  // the pixels of the picture could not be read
    Empty,              // the file was empty after writing
};

// The outcome of a file operation: success, or the kind of failure with the system's words.
struct FileOutcome {
    bool ok = true;
    std::string reason;  // the system's words; empty when it gave none
    FileFailure failure = FileFailure::None;

    static FileOutcome Success() { return {}; }
    static FileOutcome Failure(std::string reason, FileFailure failure = FileFailure::Other) {
        return {false, std::move(reason), failure};
    }
    static FileOutcome Failure(FileFailure failure) { return {false, {}, failure}; }
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
    // True only for an existing folder (blanks around the path and one trailing "\" ignored); a
    // drive's root is named "C:\" or "C:".
    virtual bool FolderExists(const std::string& path) const = 0;
    virtual FileOutcome CreateFolder(const std::string& path) = 0;
    // Size and last write of an existing file; nothing when there is no such file.
    virtual std::optional<FileStamp> Stamp(const std::string& path) const = 0;
    // Creates or replaces the file with exactly these bytes.
    virtual FileOutcome WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    // Gives a file another name in the same folder, in one step, replacing a file of that name.
    virtual FileOutcome RenameFile(const std::string& from, const std::string& to) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace snapwright
