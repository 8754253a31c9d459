#include "save/PathReasons.h"

#include <gtest/gtest.h>

#include "fakes/FakeSavePorts.h"

namespace snapwright {
namespace {

std::string Told(const std::optional<Message>& reason) {
    return reason ? UserText(*reason, 0) : std::string("(none)");
}

// The rules of Windows' names, whatever the disk holds.
TEST(PathReasons, ANameWindowsDoesNotTakeIsToldByWhatIsWrongWithIt) {
    const std::string longName(255, 'n');
    std::string cameras;  // 128 of them, each two units of the system's length
    for (int i = 0; i < 128; ++i) cameras += "\xF0\x9F\x93\xB7";
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\shots\\a.png", "(none)"},
        {"\\\\?\\C:\\shots\\a.png", "(none)"},  // "?" of the prefix is no part of a name
        {"\\\\server\\share\\a.png", "(none)"},
        {"C:\\shots\\" + longName, "(none)"},
        {"C:\\shots\\", "The path names a folder but no file."},
        {"C:\\shots\\why?.png", "The name holds a character that Windows does not allow: \"?\"."},
        {"C:\\a<b\\shot.png", "The name holds a character that Windows does not allow: \"<\"."},
        {"C:\\shots\\a.png:hidden", "The name holds a character that Windows does not allow: \":\"."},
        {"C:\\shots\\tab\there.png", "The name holds a character that Windows does not allow: \"U+0009\"."},
        {"C:\\shots\\" + longName + "x", "The name is too long: it has 256 characters, and Windows allows 255."},
        {"C:\\" + cameras + "\\a.png", "The name is too long: it has 256 characters, and Windows allows 255."},
        {"C:\\shots\\Con .png", "Windows keeps the name \"Con .png\" for a device."},
    };
    for (const auto& [path, reason] : cases) EXPECT_EQ(Told(NameRefusal(path)), reason) << path;
}

// What the disk says before anything is written: a missing folder on the way is none of it, for
// the program makes it.
TEST(PathReasons, ADriveAShareAFolderOrAFileInTheWayIsToldBeforeWriting) {
    fakes::FakeFileSystem files;
    files.folders = {"C:\\shots", "C:\\shots\\d.png", "\\\\server\\share"};
    files.files["C:\\notes.txt"] = {'n'};
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\shots\\new\\deeper\\a.png", "(none)"},
        {"\\\\server\\share\\a.png", "(none)"},
        {"C:\\shots\\a?.png", "The name holds a character that Windows does not allow: \"?\"."},
        {"q:\\x.png", "The drive Q: does not exist."},
        {"\\\\?\\Q:\\x.png", "The drive Q: does not exist."},
        {"\\\\server\\other\\a.png", "The network folder \\\\server\\other cannot be reached."},
        {"C:\\shots\\d.png", "A folder of this name exists already."},
        {"C:\\notes.txt\\more\\shot.png", "C:\\notes.txt is a file, not a folder."},
    };
    for (const auto& [path, reason] : cases) EXPECT_EQ(Told(TargetRefusal(files, path)), reason) << path;
}

// After the system refused: its kind of failure told in what it means for this path; its own words
// where they say it.
TEST(PathReasons, AFailedWriteIsToldInWhatItMeansForThePath) {
    fakes::FakeFileSystem files;
    files.drives.insert("Z:");
    files.folders = {"Z:\\proc", "C:\\shots"};
    const auto told = [&files](const std::string& path, FileOutcome failure) {
        return UserText(WriteFailureReason(files, path, failure), 0);
    };
    EXPECT_EQ(told("Z:\\proc\\x.png", FileOutcome::Failure("File not found.", FileFailure::NotFound)),
              "Windows does not let new files or folders be made in Z:\\proc.");
    EXPECT_EQ(told("C:\\gone\\x.png", FileOutcome::Failure("Path not found.", FileFailure::NotFound)),
              "The folder C:\\gone does not exist.");
    EXPECT_EQ(told("Q:\\x.png", FileOutcome::Failure("Path not found.", FileFailure::NotFound)),
              "The drive Q: does not exist.") << "a rule found now";
    const std::string deep = "C:\\shots\\" + std::string(200, 'd') + "\\" + std::string(60, 'f') + ".png";
    EXPECT_EQ(told(deep, FileOutcome::Failure("The filename or extension is too long.", FileFailure::NameTooLong)),
              "The path is too long: it has 274 characters, and Windows allows 259 here.");
    EXPECT_EQ(told("C:\\shots\\x.png", FileOutcome::Failure("The filename is wrong.", FileFailure::BadName)),
              "Windows does not take this name for a file.");
    EXPECT_EQ(told("C:\\shots\\x.png", FileOutcome::Failure("Access is denied.")), "Access is denied.")
        << "the system's own words where they say it";
    EXPECT_EQ(told("C:\\shots\\x.png", FileOutcome::Failure(FileFailure::Other)), "The image library could not write the file.");
    EXPECT_EQ(told("C:\\shots\\x.png", FileOutcome::Failure(FileFailure::Empty)), "The file is empty after writing.");
}

}  // namespace
}  // namespace snapwright
