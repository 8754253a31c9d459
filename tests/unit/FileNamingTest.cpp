#include "save/FileNaming.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(DateTimeStampTest, RegionalDatesKeepOnlyWhatAFileNameCanHold) {
    // Day.month.year as German regional settings write them.
    EXPECT_EQ(DateTimeStamp("06.12.2026 10:39:30"), "06122026103930");
    // Month/day/year: the "/" would make folders that do not exist.
    EXPECT_EQ(DateTimeStamp("12/6/2026 10:39:30 AM"), "1262026103930AM");
    EXPECT_EQ(DateTimeStamp("2026-12-06 10:39:30"), "2026-12-06103930");
    // A Korean time of day (오후, afternoon) may stand in a file name.
    EXPECT_EQ(DateTimeStamp("2026-12-06 오후 10:39:30"), "2026-12-06오후103930");
}

TEST(DateTimeStampTest, DropsEveryCharacterAFileNameCannotHold) {
    EXPECT_EQ(DateTimeStamp("a<b>c:d\"e/f\\g|h?i*j"), "abcdefghij");
    EXPECT_EQ(DateTimeStamp(std::string("1\t2\n3") + '\x7f' + "4"), "1234");
    // Some locales separate the time from AM/PM by a no-break space: a blank like any other.
    EXPECT_EQ(DateTimeStamp("12/6/2026 10:39:30\u202fAM"), "1262026103930AM");
    EXPECT_EQ(DateTimeStamp("6.\u00a012.\u00a02026 10:39:30"), "6122026103930");
}

TEST(SplitPathTest, SplitsAfterTheLastSeparator) {
    struct Case {
        const char *path, *folder, *file;
    };
    for (const Case c : {Case{"C:\\shots\\a.png", "C:\\shots\\", "a.png"}, Case{"C:a.png", "C:", "a.png"},
                         Case{"//server/share/b.jpg", "//server/share/", "b.jpg"},
                         Case{"C:\\shots\\", "C:\\shots\\", ""}, Case{"shot.png", "", "shot.png"}}) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.file, c.file) << c.path;
    }
}

TEST(ShortenedFilenameTest, CutsAFolderPartLongerThanTwentyCharacters) {
    EXPECT_EQ(ShortenedFileName("C:\\Program Files\\Tool\\Screenshots\\shot.png"), "C:\\Program Files\\Too...\\shot.png");

    const std::string twenty = "C:\\abcdefghijklmnop\\";  // 20 characters
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_EQ(ShortenedFileName(twenty + "shot.png"), twenty + "shot.png");

    const std::string twentyOne = "C:\\abcdefghijklmnopq\\";
    ASSERT_EQ(twentyOne.size(), 21u);
    EXPECT_EQ(ShortenedFileName(twentyOne + "shot.png"), "C:\\abcdefghijklmnopq...\\shot.png");
}

TEST(ShortenedFilenameTest, APathWithoutSeparatorIsShownUnchanged) {
    EXPECT_EQ(ShortenedFileName("a-rather-long-file-name-without-any-folder.png"),
              "a-rather-long-file-name-without-any-folder.png");
    EXPECT_EQ(ShortenedFileName(""), "");
}

TEST(ShortenedFilenameTest, CountsCharactersNotBytes) {
    // Twenty characters, but more bytes: nothing to shorten, and no character is cut in half.
    const std::string twenty = "C:\\Jürgen\\Überblick\\";
    ASSERT_EQ(CharacterCount(twenty), 20u);
    EXPECT_EQ(ShortenedFileName(twenty + "ä.png"), twenty + "ä.png");
    EXPECT_EQ(ShortenedFileName("C:\\Jürgen\\Überblicke\\Größe\\a.png"), "C:\\Jürgen\\Überblicke...\\a.png");
}

TEST(ThumbnailFileNameTest, InsertsBeforeTheExtensionOfTheFileOnly) {
    EXPECT_EQ(ThumbnailFileName("C:\\shots\\a.png"), "C:\\shots\\a_thumb.png");
    // A folder named like the file keeps its name: the thumbnail lands beside the file.
    EXPECT_EQ(ThumbnailFileName("C:\\x.png\\a.png"), "C:\\x.png\\a_thumb.png");
    EXPECT_EQ(ThumbnailFileName("C:\\a.png\\a.png.png"), "C:\\a.png\\a.png_thumb.png");
    EXPECT_EQ(ThumbnailFileName("C:\\shots.v2\\Snapwright™_06122026103930.TIF"),
              "C:\\shots.v2\\Snapwright™_06122026103930_thumb.TIF");
}

TEST(ThumbnailFileNameTest, ANameWithoutExtensionGetsTheSuffixAtItsEnd) {
    EXPECT_EQ(ThumbnailFileName("C:\\shots.d\\shot"), "C:\\shots.d\\shot_thumb");
    EXPECT_EQ(ThumbnailFileName("shot"), "shot_thumb");
}

TEST(FileNamingTextTest, CharacterHelpersWorkOnWholeCharacters) {
    EXPECT_EQ(LastCharacters("x.pngä", 4), "pngä");
    EXPECT_EQ(LastCharacters("ab", 4), "ab");
    EXPECT_EQ(WithoutLastCharacters("äöü.png", 4), "äöü");
    EXPECT_EQ(WithoutLastCharacters("ab", 4), "");
    EXPECT_EQ(FirstCharacters("ÄÖÜabc", 4), "ÄÖÜa");
    EXPECT_EQ(UpperCaseAscii("shot.Png ä"), "SHOT.PNG ä");
}

}  // namespace
}  // namespace snapwright
