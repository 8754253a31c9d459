#pragma once
#include <string>

#include "lang/UserText.h"
#include "platform/FileSystem.h"

namespace snapwright {

// How making the folders of a file ended: the folder that could not be made and why, when one could not.
struct FolderOutcome {
    bool ok = true;
    std::string folder;
    Message reason{TextId::SystemReason};
};

// Makes the folder of a file and the missing ones above it, from the top down. Drives and network
// shares are taken as they are: no program can make them.
FolderOutcome MakeFolderOf(IFileSystem& files, const std::string& fileName);

}  // namespace snapwright
