#include "save/SaveFormats.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(FormatIndexForListTextTest, TheLastSevenCharactersNameTheFormat) {
    for (std::size_t i = 0; i < kSaveFormats.size(); ++i) {
        EXPECT_EQ(FormatIndexForListText(kSaveFormats[i].listText), static_cast<int>(i)) << kSaveFormats[i].listText;
    }
    // Only the tail counts, in any case: a translated description would still work.
    EXPECT_EQ(FormatIndexForListText("Grafik (*.jpg)"), 1);
    EXPECT_EQ(FormatIndexForListText("(*.tif)"), 3);
    EXPECT_EQ(FormatIndexForListText("Bitmap (*.BMP) "), std::nullopt);
    EXPECT_EQ(FormatIndexForListText("GIF (*.GIF)"), std::nullopt);
    EXPECT_EQ(FormatIndexForListText("*.PNG)"), std::nullopt);
    EXPECT_EQ(FormatIndexForListText(""), std::nullopt);
}

TEST(FormatForExtensionTest, FindsTheFormatOfAnExtensionInAnyCase) {
    ASSERT_NE(FormatForExtension(".PNG"), nullptr);
    EXPECT_EQ(FormatForExtension(".PNG")->codecFormat, CodecFormat::Png);
    EXPECT_EQ(FormatForExtension(".jpg")->codecFormat, CodecFormat::Jpeg);
    EXPECT_EQ(FormatForExtension(".Mng")->codecFormat, CodecFormat::Mng);
    EXPECT_EQ(FormatForExtension(".gif"), nullptr);
    EXPECT_EQ(FormatForExtension("png"), nullptr);
}

TEST(SystemFilterListTest, PipesBecomeNulsAndTheListEndsInTwo) {
    using namespace std::string_literals;
    EXPECT_EQ(SystemFilterList("*.png (Portable Network Graphic)|*.png"),
              "*.png (Portable Network Graphic)\0*.png\0\0"s);
    // A filter that already ends in "|" gets no second one.
    EXPECT_EQ(SystemFilterList("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|"),
              "Bitmap (*.bmp)\0*.bmp\0JPEG (*.jpg)\0*.jpg\0\0"s);
    EXPECT_EQ(SystemFilterList(""), "\0\0"s);
}

TEST(SystemFilterListTest, TheEditorsOpenFilterGivesFivePairs) {
    const std::string list = SystemFilterList(
        "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Portable Network Graphics (*.png)|*.png|Multiple Network "
        "Graphics (*.mng)|*.mng|TIFF (*.tif)|*.tif");
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < list.size() && list[start] != '\0') {
        const std::size_t end = list.find('\0', start);
        entries.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[8], "TIFF (*.tif)");
    EXPECT_EQ(entries[9], "*.tif");
    EXPECT_EQ(start, list.size() - 1);  // the last NUL closes the list
}

}  // namespace
}  // namespace snapwright
