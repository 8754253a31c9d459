#include <gtest/gtest.h>

#include <optional>

#include "editor/EditorCore.h"
#include "editor/win32/GdiPictureTools.h"
#include "editor/win32/GdiTextRasteriser.h"
#include "fakes/FakeEditorWindow.h"
#include "fakes/FakeForm.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {
namespace {

RgbImage Pattern(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.Set(x, y, static_cast<Colour>(x * 0x010203 + y * 0x030105) & 0xFFFFFF);
    }
    return image;
}

// A bitmap goes into one context at a time: a second context on the same picture says it can read
// nothing, rather than reading black, until the first has let it go.
TEST(GdiPictureTools, APictureIsReadThroughOneContextAtATime) {
    GdiPictureTools tools;
    const PicturePtr picture = tools.PictureOf(Pattern(8, 4));
    std::optional<PictureDc> first(std::in_place, *picture);
    ASSERT_TRUE(static_cast<bool>(*first));
    EXPECT_FALSE(static_cast<bool>(PictureDc(*picture)));
    first.reset();
    EXPECT_TRUE(static_cast<bool>(PictureDc(*picture)));
}

// GDI draws where it rounds to, up to the picture's edges: every change is undone to the pixel.
TEST(GdiPictureTools, EveryShapeDrawnWithGdiIsUndoneExactly) {
    FakeForm form;
    fakes::FakeEditorWindow window;
    GdiPictureTools tools;
    GdiTextRasteriser glyphs;
    EditorCore core(form, window, tools, glyphs);
    const RgbImage original = Pattern(300, 200);
    core.Reset(tools.PictureOf(original));
    const PicturePtr inset = tools.PictureOf(Pattern(20, 10));
    const std::vector<std::function<void(IWorkingPicture&)>> changes = {
        [](IWorkingPicture& w) { for (int i = 1; i <= 10; ++i) w.Ellipse(150.5, 100.5, 80.3 + i, 40.6 + i, 0xFF); },
        [](IWorkingPicture& w) {
            for (int i = 1; i <= 10; ++i) w.Rectangle({-5 - i, 190 - i}, {310 + i, 210 + i}, 0xFF00);
        },
        [](IWorkingPicture& w) { w.Ellipse(2.5, 3.5, 30.5, 12.5, 0xFF0000); w.Line({299, 0}, {250, 199}, 0); },
        [&](IWorkingPicture& w) { w.StretchPicture(inset, {280, 180, 30, 15}); },
    };
    for (const auto& change : changes) core.Commit(change);
    // A working copy's pixels, also written partly off the picture.
    core.Commit([](IWorkingPicture& w) { w.WritePixels(w.ReadPixels({0, 0, 8, 8}), {296, 197}); });
    EXPECT_FALSE(tools.PixelsOf(*core.Picture(), {0, 0, 300, 200}) == original);
    for (std::size_t i = 0; i <= changes.size(); ++i) core.Undo();
    EXPECT_TRUE(tools.PixelsOf(*core.Picture(), {0, 0, 300, 200}) == original);
}

}  // namespace
}  // namespace snapwright::win32
