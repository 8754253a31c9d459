#include "platform/win32/GdiCapture.h"

#include <gtest/gtest.h>
#include <windows.h>

// The e2e tests compare the screen and window grabs and the clipboard's copy with the display
// pixel for pixel, on one monitor and on two; what they cannot make is a grab that fails.
namespace snapwright::win32 {
namespace {

TEST(GdiCapture, FailedOrEmptyGrabsGiveNoPicture) {
    GdiScreenCapture capture;
    EXPECT_EQ(capture.GrabScreenArea({0, 0, 0, 10}, {{0, 0, 0, 10}}), nullptr);
    EXPECT_EQ(DCToPicture(nullptr, 0, 0, 10, 10, 1.0f), nullptr);
}

}  // namespace
}  // namespace snapwright::win32
