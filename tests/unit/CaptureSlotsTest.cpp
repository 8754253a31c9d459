#include "capture/CaptureSlots.h"

#include <gtest/gtest.h>

#include "capture/CaptureEngine.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

PicturePtr Shot(int serial) {
    return std::make_shared<fakes::FakePicture>(10, 10, serial);
}

TEST(CaptureSlots, SaveAndSendCapturesBetweenPrintShotsNeitherPileUpNorReachThePage) {
    CaptureSlots slots;
    slots.BeginCapture(true, 2);
    slots.SetCurrentPicture(Shot(1));
    for (int i = 0; i < 50; ++i) {
        slots.BeginCapture(false, 2);
        slots.SetCurrentPicture(Shot(100 + i));
        EXPECT_EQ(slots.ShotCounter(), 2);
        EXPECT_EQ(fakes::SerialOf(slots.Current()), 100 + i);
    }
    EXPECT_EQ(slots.SlotCount(), 2);

    slots.BeginCapture(true, 2);
    slots.SetCurrentPicture(Shot(2));
    EXPECT_EQ(slots.ShotCounter(), 2);
    EXPECT_EQ(slots.PageShots(), 2);
    EXPECT_EQ(fakes::SerialOf(slots.Slot(1)), 1);
    EXPECT_EQ(fakes::SerialOf(slots.Slot(2)), 2);
}

TEST(CaptureSlots, AnUnprintedFullPageStartsAfreshInsteadOfGrowing) {
    CaptureSlots slots;
    for (int i = 1; i <= 6; ++i) {
        slots.BeginCapture(true, 2);
        slots.SetCurrentPicture(Shot(i));
        EXPECT_LE(slots.SlotCount(), 3);
    }
    EXPECT_EQ(slots.ShotCounter(), 2);
    EXPECT_EQ(fakes::SerialOf(slots.Slot(1)), 5);
    EXPECT_EQ(fakes::SerialOf(slots.Slot(2)), 6);
}

TEST(CaptureSlots, PixelSizesFromTwips) {
    EXPECT_EQ(TwipsToPixels(15360, 15), 1024);
    EXPECT_EQ(TwipsToPixels(7, 15), 0);
    EXPECT_EQ(TwipsToPixels(8, 15), 1);
    EXPECT_DOUBLE_EQ(PixelsToTwips(1920, 1440.0 / 168), 16457.142857142857);
    EXPECT_EQ(TwipsToPixels(PixelsToTwips(1920, 1440.0 / 168), 1440.0 / 168), 1920);
}

}  // namespace
}  // namespace snapwright
