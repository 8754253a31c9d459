#include "save/MissingFolders.h"

#include <algorithm>
#include <vector>

#include "save/FileNaming.h"
#include "save/PathReasons.h"

namespace snapwright {

namespace {

std::string WithoutSeparator(std::string folder) {
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

// A drive ("C:") or a network share (\\server\share): no folder that the program could make.
bool IsRootFolder(const std::string& folder) {
    if (folder.starts_with("\\\\")) return std::count(folder.begin(), folder.end(), '\\') <= 3;
    return FolderOfPath(folder).empty();
}

}  // namespace

FolderOutcome MakeFolderOf(IFileSystem& files, const std::string& fileName) {
    std::vector<std::string> missing;
    for (std::string folder = WithoutSeparator(FolderOfPath(fileName));
         !folder.empty() && !IsRootFolder(folder) && !files.FolderExists(folder);
         folder = WithoutSeparator(FolderOfPath(folder))) {
        missing.push_back(folder);
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        // The system would only say that something of this name exists.
        if (files.Stamp(*folder)) return {false, *folder, Message{TextId::FileInTheWayReason, {{"folder", *folder}}}};
        const FileOutcome made = files.CreateFolder(*folder);
        if (!made.ok) return {false, *folder, WriteFailureReason(files, *folder, made)};
    }
    return {};
}

}  // namespace snapwright
