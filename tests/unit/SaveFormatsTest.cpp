#include "save/SaveFormats.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(SystemFilterListTest, PipesBecomeNulsAndTheListEndsInTwo) {
    using namespace std::string_literals;
    EXPECT_EQ(SystemFilterList("*.png (Portable Network Graphic)|*.png"),
              "*.png (Portable Network Graphic)\0*.png\0\0"s);
    // A filter that already ends in "|" gets no second one.
    EXPECT_EQ(SystemFilterList("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|"),
              "Bitmap (*.bmp)\0*.bmp\0JPEG (*.jpg)\0*.jpg\0\0"s);
    EXPECT_EQ(SystemFilterList(""), "\0\0"s);
}

}  // namespace
}  // namespace snapwright
