#pragma once
#include "platform/FileSystem.h"

namespace snapwright::win32 {

// Files and folders through the system's Unicode file functions: any name, any folder.
class Win32FileSystem : public IFileSystem {
public:
    std::string ProgramFolder() const override;
    bool FolderExists(const std::string& path) const override;
    FileOutcome CreateFolder(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) const override;
    FileOutcome WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    FileOutcome RenameFile(const std::string& from, const std::string& to) override;
    bool RemoveFile(const std::string& path) override;
};

}  // namespace snapwright::win32
