#include "save/FileNaming.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace snapwright {
namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;

// Regional date formats, and every character a file name cannot hold; a no-break space before
// AM/PM is a blank like any other, and a Korean time of day may stand in a file name.
TEST(FileNaming, TheDateTimeStampKeepsOnlyWhatAFileNameCanHold) {
    for (const auto& [now, stamp] : Cases{{"06.12.2026 10:39:30", "06122026103930"},
                                          {"12/6/2026 10:39:30 AM", "1262026103930AM"},
                                          {"12/6/2026 10:39:30\u202fAM", "1262026103930AM"},
                                          {"6.\u00a012.\u00a02026 10:39:30", "6122026103930"},
                                          {"2026-12-06 오후 10:39:30", "2026-12-06오후103930"},
                                          {"a<b>c:d\"e/f\\g|h?i*j", "abcdefghij"},
                                          {std::string("1\t2\n3") + '\x7f' + "4", "1234"}}) {
        EXPECT_EQ(DateTimeStamp(now), stamp) << now;
    }
}

// A folder part of more than twenty characters (not bytes) is cut to twenty and "...".
TEST(FileNaming, TheShortenedFileNameCutsALongFolderPart) {
    for (const auto& [path, shown] :
         Cases{{"C:\\abcdefghijklmnop\\shot.png", "C:\\abcdefghijklmnop\\shot.png"},
               {"C:\\abcdefghijklmnopq\\shot.png", "C:\\abcdefghijklmnopq...\\shot.png"},
               {"C:\\Jürgen\\Überblicke\\Größe\\a.png", "C:\\Jürgen\\Überblicke...\\a.png"},
               {"a-rather-long-file-name-without-any-folder.png", "a-rather-long-file-name-without-any-folder.png"}}) {
        EXPECT_EQ(ShortenedFileName(path), shown) << path;
    }
}

// The suffix goes before the file's own extension, never into a folder's name; a folder ends at the
// last separator of any kind.
TEST(FileNaming, TheThumbnailNameInsertsBeforeTheExtensionOfTheFileOnly) {
    for (const auto& [path, thumbnail] :
         Cases{{"C:\\a.png\\a.png.png", "C:\\a.png\\a.png_thumb.png"}, {"C:\\shots.d\\shot", "C:\\shots.d\\shot_thumb"},
               {"//server/share.d/b.jpg", "//server/share.d/b_thumb.jpg"}, {"C:a.b\\c", "C:a.b\\c_thumb"}}) {
        EXPECT_EQ(ThumbnailFileName(path), thumbnail) << path;
    }
}

TEST(FileNaming, ADeviceNameIsFoundInAnyPartOfThePathWhateverItsExtensionAndCase) {
    for (const auto& [path, device] :
         Cases{{"E:\\shots\\con.png", "con.png"}, {"E:\\AUX\\shot.png", "AUX"}, {"E:\\Lpt9 .tar.gz", "Lpt9 .tar.gz"},
               {"nul", "nul"}, {"E:\\console.png", ""}, {"E:\\COM0.png", ""}, {"E:\\com10.png", ""},
               {"E:\\prn_thumb.png", ""}}) {
        EXPECT_EQ(ReservedDeviceName(path), device) << path;
    }
}

}  // namespace
}  // namespace snapwright
