#include "print/ShotFitting.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(ShotFitting, ShotsKeepTheirOwnAspectInEveryBox) {
    struct FitCase {
        const char* what;
        int shotWidth, shotHeight, boxWidth, boxHeight;
        double width, height;
    };
    const FitCase cases[] = {
        {"landscape, aspect 4.0", 800, 200, 232, 174, 232, 58},
        {"landscape, aspect 0.5", 300, 600, 232, 174, 87, 174},
        {"format 1, window 1024x384", 1024, 384, 180, 135, 180, 67.5},
        // On a screen that is not 4:3 the shot is not stretched to the box.
        {"16:9 full screen, format 3", 1920, 1080, 232, 174, 232, 130.5},
        {"16:10 full screen, format 2", 1280, 800, 160, 120, 160, 100},
    };
    for (const FitCase& c : cases) {
        const FittedSize size = FitShot(c.shotWidth, c.shotHeight, c.boxWidth, c.boxHeight);
        EXPECT_EQ(size, (FittedSize{c.width, c.height})) << c.what << ": got " << size.width << " x " << size.height;
    }
}

TEST(ShotFitting, WidthsAreRoundedToWholeMillimetresHalvesToEven) {
    // 135 * 201 / 270 = 100.5 and 135 * 203 / 270 = 101.5.
    EXPECT_EQ(FitShot(201, 270, 180, 135).width, 100);
    EXPECT_EQ(FitShot(203, 270, 180, 135).width, 102);
    // 135 * 101 / 300 = 45.45: below the half rounds down.
    EXPECT_EQ(FitShot(101, 300, 180, 135).width, 45);
}

}  // namespace
}  // namespace snapwright
