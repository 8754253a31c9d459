#include "unit/EditorFixture.h"

namespace snapwright {
namespace {

using enum EditorControl;

// The editor with marks: what the view shows, painted only where something changed, is what every
// hand-off gets; the marks stay editable until the picture itself is replaced.
class EditorMarksTest : public EditorTest {
protected:
    // A picture of flat grey with a black square in it, as a word that must be hidden.
    void OpenOnSquare() {
        RgbImage pixels(300, 200, 0x808080);
        for (int y = 120; y < 150; ++y) {
            for (int x = 200; x < 240; ++x) pixels.Set(x, y, 0);
        }
        original = pixels;
        currentShot.Set(std::make_shared<fakes::PixelPicture>(pixels, 1));
        editor.OnLoad();
    }
    // What the view shows is the picture with its marks, nothing more or less.
    void ExpectViewShowsPicture() { EXPECT_EQ(window.shownPixels, Pixels()); }
    std::size_t Marks() const { return Core().Marked().Marks().Count(); }
    RgbImage original;
};

TEST_F(EditorMarksTest, AFrameDrawnStaysSelectedMovesByItsEdgeAndComesBackWithUndo) {
    OpenOnSquare();
    Click("Frame");
    Drag({20, 20}, {80, 60});
    EXPECT_EQ(Marks(), 1u);
    EXPECT_EQ(Core().Selection().Selected(), std::optional<std::size_t>{0}) << "a new mark stays selected";
    EXPECT_FALSE(window.preview.Empty()) << "its handles show";
    ExpectViewShowsPicture();
    const RgbImage drawn = Pixels();
    EXPECT_NE(drawn.At(19, 40), original.At(19, 40));

    EXPECT_FALSE(Pressed("Frame")) << "the frame tool ends with its frame";
    window.changedPixels = 0;
    Drag({19, 30}, {119, 80});  // by its left edge, away from the handle in its middle
    EXPECT_LT(window.changedPixels, 300u * 200u / 2) << "only the parts that changed are painted";
    ExpectViewShowsPicture();
    EXPECT_EQ(Pixels().At(19, 40), original.At(19, 40)) << "gone from its old place";
    EXPECT_EQ(Pixels().At(119, 90), drawn.At(19, 40)) << "shown at its new place";
    EXPECT_EQ(Core().UndoCount(), 2u);
    EXPECT_TRUE(editor.OnKey(CtrlKey('Z')));
    EXPECT_EQ(Pixels(), drawn);
    ExpectViewShowsPicture();
}

// Choosing a colour or strength with a mark selected changes that mark, as one step, and the marks
// drawn next. Delete removes the selected mark as one more step; with nothing selected (a press
// beside every mark lets the selection go) the key is not used.
TEST_F(EditorMarksTest, ColourStrengthAndDeleteChangeTheSelectedMarkEachAsOneStep) {
    OpenOnSquare();
    Click("Frame");
    Drag({20, 20}, {80, 60});
    window.chosenColour = 0x00FF00;
    editor.OnClick(Id(ColourButton));
    form.State(StrengthList).listIndex = 2;
    editor.OnClick(Id(StrengthList));
    const Mark& frame = Core().Marked().Marks().At(0);
    EXPECT_EQ(frame.Style(), (MarkStyle{0x00FF00, 3}));
    EXPECT_EQ(Pixels().At(17, 40), 0x00FF00u);
    EXPECT_EQ(Core().UndoCount(), 3u);
    ExpectViewShowsPicture();
    Click("Undo");
    EXPECT_EQ(Core().Marked().Marks().At(0).Style(), (MarkStyle{0x00FF00, 1}));
    EXPECT_TRUE(editor.OnKey({kKeyDelete}));
    EXPECT_EQ(Marks(), 0u);
    EXPECT_EQ(Pixels(), original);
    EXPECT_TRUE(editor.OnKey(CtrlKey('Z')));
    EXPECT_EQ(Marks(), 1u);
    Press({280, 190});
    EXPECT_FALSE(editor.OnKey({kKeyDelete}));
}

// After a save the marks stay editable and the undo steps go; a new picture takes the marks away.
TEST_F(EditorMarksTest, SavedMarksStayEditableUntilANewPictureReplacesThem) {
    OpenOnSquare();
    Click("Arrow");
    Drag({20, 20}, {100, 80});
    Click("Save");
    EXPECT_EQ(Core().UndoCount(), 0u);
    EXPECT_FALSE(Core().changed);
    EXPECT_EQ(handedOn.back(), "save " + std::to_string(Serial()));
    EXPECT_TRUE(editor.OnKey({kKeyEscape}));
    EXPECT_TRUE(editor.OnKey({kKeyLeft}));
    EXPECT_TRUE(Core().changed);
    EXPECT_EQ(Core().UndoCount(), 1u);

    window.answers = {EditorAnswer::Yes};
    currentShot.Set(std::make_shared<fakes::FakePicture>(120, 90, 4));
    editor.ShowPicture(currentShot.Get());
    EXPECT_EQ(Marks(), 0u);
    EXPECT_EQ(Pixels(), fakes::PixelsOf(fakes::FakePicture(120, 90, 4)));
    ExpectViewShowsPicture();
}

// A double click on a text opens the field over it with its text; what is typed replaces it as one
// step; Escape keeps the text as it was.
TEST_F(EditorMarksTest, ADoubleClickOnATextEditsItInPlace) {
    OpenOnSquare();
    Click("Text");
    Press({30, 40});
    window.typed = "Hello";
    editor.OnKey({kKeyReturn});
    editor.OnKey({kKeyEscape});
    editor.OnDoubleClick({35, 45});
    EXPECT_EQ(window.field, "30,40 16: ");
    EXPECT_EQ(window.typed, "Hello");
    window.typed = "Bye";
    EXPECT_TRUE(editor.OnKey({kKeyReturn}));
    EXPECT_THAT(Texts(), ::testing::ElementsAre("30,40 16: Bye"));
    EXPECT_EQ(Core().UndoCount(), 2u);
    editor.OnDoubleClick({35, 45});
    window.typed = "dropped";
    editor.OnKey({kKeyEscape});
    EXPECT_THAT(Texts(), ::testing::ElementsAre("30,40 16: Bye"));
    EXPECT_EQ(Core().UndoCount(), 2u);
    ExpectViewShowsPicture();
}

}  // namespace
}  // namespace snapwright
