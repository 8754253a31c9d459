#include "save/PathReasons.h"

#include <cstdint>
#include <vector>

#include "save/FileNaming.h"

namespace snapwright {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A path cut into the root it starts from and the names after it.
struct PathShape {
    std::string root;       // "C:\", "\\server\share", "\"; empty for a relative path
    std::string drive;      // "C:" when the root is a drive's
    std::string share;      // "\\server\share" when the root is a network folder
    std::vector<std::string> names;
};

// "\\?\" before a path hands it to the file system as it stands: it is no part of any name.
PathShape ShapeOf(const std::string& path) {
    PathShape shape;
    std::size_t at = 0;
    const bool literal = path.starts_with("\\\\?\\");
    if (literal) at = 4;
    const bool unc = literal ? path.compare(at, 4, "UNC\\") == 0 : path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (unc) {
        at += literal ? 4 : 2;
        // The server and the share are the root: the names that follow are folders on it.
        for (int part = 0; part < 2 && at <= path.size(); ++part) {
            std::size_t end = at;
            while (end < path.size() && !IsSeparator(path[end])) ++end;
            at = end + (part == 0 && end < path.size() ? 1 : 0);
        }
        shape.root = shape.share = path.substr(0, at);
    } else if (path.size() >= at + 2 && IsDriveLetter(path[at]) && path[at + 1] == ':') {
        shape.drive = UpperCaseAscii(path.substr(at, 2));
        at += 2;
        if (at < path.size() && IsSeparator(path[at])) ++at;
        shape.root = path.substr(0, at);
    } else if (at < path.size() && IsSeparator(path[at])) {
        shape.root = path.substr(0, ++at);
    }
    while (at < path.size() && IsSeparator(path[at])) ++at;
    for (std::size_t start = at; start <= path.size();) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        shape.names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return shape;
}

// The length of a UTF-8 text as the system counts it: a character beyond the basic plane takes two.
std::size_t Utf16Length(const std::string& text) {
    std::size_t length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++length;
        if (byte >= 0xF0) ++length;
    }
    return length;
}

// The first character of a name that Windows does not allow in it, as the user would read it:
// itself, or its code for a character that shows nothing.
std::optional<std::string> ForbiddenCharacter(const std::string& name) {
    static constexpr std::string_view kForbidden = "<>:\"|?*";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (kForbidden.find(c) != std::string_view::npos) return std::string(1, c);
        if (byte < 0x20 || byte == 0x7F) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            return std::string("U+00") + kHex[byte >> 4] + kHex[byte & 0x0F];
        }
    }
    return std::nullopt;
}

// The folder that holds a file or folder: the path up to its last separator, which only the root
// of a drive keeps ("C:\"). Empty for a name without a folder.
std::string ParentFolder(const std::string& path) {
    const std::size_t last = path.find_last_of("\\/");
    if (last == std::string::npos) return std::string();
    const bool driveRoot = last == 2 && path[1] == ':';
    return path.substr(0, driveRoot ? last + 1 : last);
}

}  // namespace

std::optional<Message> NameRefusal(const std::string& path) {
    const PathShape shape = ShapeOf(path);
    if (shape.names.empty() || shape.names.back().empty()) return Message{TextId::NoFileNameReason};
    for (const std::string& name : shape.names) {
        if (const std::optional<std::string> character = ForbiddenCharacter(name)) {
            return Message{TextId::ForbiddenCharacterReason, {{"character", *character}}};
        }
    }
    for (const std::string& name : shape.names) {
        if (const std::size_t length = Utf16Length(name); length > kMaxNameLength) {
            return Message{TextId::NameTooLongReason,
                           {{"length", std::to_string(length)}, {"limit", std::to_string(kMaxNameLength)}}};
        }
    }
    if (const std::string device = ReservedDeviceName(path); !device.empty()) {
        return Message{TextId::DeviceNameReason, {{"name", device}}};
    }
    return std::nullopt;
}

// A folder that is missing on the way is no reason: the program makes it.
std::optional<Message> TargetRefusal(const IFileSystem& files, const std::string& path) {
    if (std::optional<Message> refusal = NameRefusal(path)) return refusal;
    const PathShape shape = ShapeOf(path);
    if (!shape.drive.empty() && !files.FolderExists(shape.drive + "\\")) {
        return Message{TextId::DriveMissingReason, {{"drive", shape.drive}}};
    }
    if (!shape.share.empty() && !files.FolderExists(shape.share)) {
        return Message{TextId::NetworkFolderMissingReason, {{"folder", shape.share}}};
    }
    if (files.FolderExists(path)) return Message{TextId::FolderOfThatNameReason};
    for (std::string folder = ParentFolder(path); folder.size() > shape.root.size(); folder = ParentFolder(folder)) {
        if (files.FolderExists(folder)) break;
        if (files.Stamp(folder)) return Message{TextId::FileInTheWayReason, {{"folder", folder}}};
    }
    return std::nullopt;
}

Message WriteFailureReason(const IFileSystem& files, const std::string& path, const FileOutcome& failure) {
    const bool aboutThePath = failure.failure == FileFailure::NotFound || failure.failure == FileFailure::NameTooLong ||
                              failure.failure == FileFailure::BadName;
    if (aboutThePath) {
        if (std::optional<Message> refusal = TargetRefusal(files, path)) return *refusal;
    }
    switch (failure.failure) {
        case FileFailure::NotFound: {
            // Every folder on the way is there, and the system still found nothing: the folder
            // takes no new files (a folder of a file system that is read as a whole, like /proc).
            const std::string folder = ParentFolder(path);
            if (!folder.empty() && !files.FolderExists(folder)) {
                return Message{TextId::FolderMissingReason, {{"folder", folder}}};
            }
            return Message{TextId::FolderTakesNoFilesReason, {{"folder", folder}}};
        }
        case FileFailure::NameTooLong:
            if (const std::size_t length = Utf16Length(path); length > kMaxPathLength) {
                return Message{TextId::PathTooLongReason,
                               {{"length", std::to_string(length)}, {"limit", std::to_string(kMaxPathLength)}}};
            }
            break;
        case FileFailure::BadName: return Message{TextId::BadNameReason};
        case FileFailure::NotEncoded: return Message{TextId::NotEncodedReason};
        case FileFailure::NotScaled: return Message{TextId::NoThumbnailReason};
        case FileFailure::Empty: return Message{TextId::EmptyFileReason};
        case FileFailure::PictureUnreadable: return Message{TextId::PictureUnreadableReason};
        case FileFailure::None:
        case FileFailure::Other: break;
    }
    if (!failure.reason.empty()) return Message{TextId::SystemReason, {{"reason", failure.reason}}};
    return Message{TextId::LibraryWriteFailedReason};
}

}  // namespace snapwright
