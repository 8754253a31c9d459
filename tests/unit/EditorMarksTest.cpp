#include "editor/FrameMark.h"
#include "editor/RedactionMark.h"
#include "editor/StepMark.h"
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
    RgbImage copied;  // the last picture handed to the clipboard
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

// A press beside every mark lets the selection go; arrow keys nudge by one pixel, with Shift by
// ten, and Delete removes; each is one step of the undo.
TEST_F(EditorMarksTest, KeysNudgeAndDeleteTheSelectedMarkEachOneStep) {
    OpenOnSquare();
    Click("Highlight");
    Drag({10, 10}, {50, 30});
    EXPECT_TRUE(editor.OnKey({kKeyEscape}));  // the tool goes, the mark stays selected
    EXPECT_TRUE(editor.OnKey({kKeyRight}));
    EXPECT_TRUE(editor.OnKey({kKeyDown, false, true}));
    const auto& highlight = static_cast<const BoxMark&>(Core().Marked().Marks().At(0));
    EXPECT_EQ(highlight.Box(), (Rect{11, 20, 41, 21}));
    EXPECT_TRUE(editor.OnKey({kKeyDelete}));
    EXPECT_EQ(Marks(), 0u);
    EXPECT_EQ(Pixels(), original);
    EXPECT_EQ(Core().UndoCount(), 4u);
    editor.OnKey(CtrlKey('Z'));
    EXPECT_EQ(Marks(), 1u);
    Press({280, 190});
    EXPECT_FALSE(Core().Selection().Selected());
    EXPECT_FALSE(editor.OnKey({kKeyDelete})) << "nothing selected: the key is not used";
}

// Choosing a colour or strength with a mark selected changes that mark, as one step, and the marks
// drawn next.
TEST_F(EditorMarksTest, ColourAndStrengthRestyleTheSelectedMark) {
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
}

// A redaction moved over the square hides it wherever it lies; where it was, the picture shows again.
TEST_F(EditorMarksTest, ARedactionMovedHidesWhatLiesUnderItsNewPlaceInEveryHandOff) {
    OpenOnSquare();
    Click("Redact");
    Drag({20, 20}, {79, 59});
    EXPECT_TRUE(editor.OnKey({kKeyEscape}));
    Drag({40, 40}, {200, 140});
    const RgbImage handed = Pixels();
    EXPECT_EQ(handed.Copy({20, 20, 60, 60}), original.Copy({20, 20, 60, 60}));
    EXPECT_NE(handed.Copy({200, 120, 40, 30}), original.Copy({200, 120, 40, 30}));
    Click("Copy");
    EXPECT_EQ(fakes::PixelsOf(*currentShot.Get()), handed);
    ExpectViewShowsPicture();
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

// Each click of the Step tool (key N) puts the next number, and the tool stays for the next step.
// (How a step deleted renumbers the others is the marked picture's own test.)
TEST_F(EditorMarksTest, StepsAreNumberedInOrderAndTheToolStays) {
    OpenOnSquare();
    EXPECT_TRUE(editor.OnKey({'N'}));
    for (const int x : {40, 100, 160}) Press({x, 60});
    const Scene& marks = Core().Marked().Marks();
    ASSERT_EQ(marks.Count(), 3u);
    for (std::size_t i = 0; i < marks.Count(); ++i) {
        EXPECT_EQ(static_cast<const StepMark&>(marks.At(i)).Number(), static_cast<int>(i) + 1);
    }
    EXPECT_TRUE(Pressed("Step"));
    ExpectViewShowsPicture();
}

}  // namespace
}  // namespace snapwright
