#pragma once
#include <optional>
#include <string>

#include "lang/UserText.h"
#include "platform/FileSystem.h"

namespace snapwright {

// The longest name of a file or folder that Windows takes, and the longest whole path of the
// system's file functions in a program that does not ask for long paths (both in UTF-16 units).
inline constexpr std::size_t kMaxNameLength = 255;
inline constexpr std::size_t kMaxPathLength = 259;

// Why no file can be written at this full path, by the rules of Windows' names alone: no file
// name, a character Windows does not allow, a name too long, a name kept for a device. Nothing
// when the name is one Windows takes.
std::optional<Message> NameRefusal(const std::string& path);

// The same, and what the file system says before anything is written: a drive or network folder
// that does not exist, a folder of the file's name, a file where the path needs a folder.
std::optional<Message> TargetRefusal(const IFileSystem& files, const std::string& path);

// Why writing the file (or making the folder) at this path failed, in plain words: a rule the
// path breaks, found now, or what the system's kind of failure means here; the system's own
// words where they say it.
Message WriteFailureReason(const IFileSystem& files, const std::string& path, const FileOutcome& failure);

}  // namespace snapwright
