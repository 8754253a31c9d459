#pragma once
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/UserMessages.h"

namespace snapwright {

// The program's help file, which lies beside the program. It is opened by its full path: a
// document named without a folder would be looked for in whatever folder the program was
// started from, and a help file from there may carry script.
class HelpFile {
public:
    static constexpr const char* kName = "Snapwright.chm";

    HelpFile(IShell& shell, const IFileSystem& files, IUserMessages& messages);

    std::string Path() const;
    // Opens the file maximised, or tells the user where it was expected, in the user's language.
    void Open(int language);

private:
    IShell& m_shell;
    const IFileSystem& m_files;
    IUserMessages& m_messages;
};

}  // namespace snapwright
