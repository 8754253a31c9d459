#include "editor/CropTool.h"
#include "editor/PixelPatch.h"
#include "editor/ShapeTool.h"
#include "unit/EditorFixture.h"

namespace snapwright {
namespace {

using enum EditorControl;
using ::testing::ElementsAre;

TEST(CropGeometryTest, TheCentreLinesCountAsLeftAndUpper) {
    const Size picture{800, 600};
    EXPECT_EQ(QuadrantOf({400, 300}, picture), (Quadrant{false, false}));
    EXPECT_EQ(QuadrantOf({401, 300}, picture), (Quadrant{true, false}));
    EXPECT_EQ(QuadrantOf({400, 301}, picture), (Quadrant{false, true}));
    EXPECT_EQ(QuadrantOf({401, 301}, Size{801, 601}), (Quadrant{true, true}));  // 400.5 is the middle
    EXPECT_EQ(QuadrantOf({400, 300}, Size{801, 601}), (Quadrant{false, false}));
}

// The e2e tests crop at a point of the upper left quarter. After a cut the tool stays chosen but
// shows no marks until it is chosen again.
TEST_F(EditorTest, EachQuadrantMovesItsCorner) {
    const std::pair<Point, Rect> cases[] = {{{100, 500}, {100, 0, 700, 500}},
                                            {{700, 50}, {0, 50, 700, 550}},
                                            {{700, 500}, {0, 0, 700, 500}}};
    for (const auto& [click, kept] : cases) {
        OpenOn(800, 600);
        Click("Crop");
        Press(click);
        EXPECT_EQ(Pixels(), fakes::PixelsOf(fakes::FakePicture(800, 600, 1)).Copy(kept));
    }
    editor.OnMouseMove({50, 50});
    EXPECT_TRUE(Pressed("Crop") && window.preview.Empty());
    Click("Crop");
    Click("Crop");
    editor.OnMouseMove({60, 60});
    EXPECT_EQ(window.preview.Shapes().size(), 5u * 3);  // cross-hair and arrow, black lines edged in white
}

// Another tool's button or letter chooses that tool at once; what the previous one had under way
// is finished (text being typed goes in) or dropped (a first corner). A tool's own button keeps it
// after its first click, and leaves it before, which counts as a change.
TEST_F(EditorTest, AnotherToolsButtonChoosesItAtOnceAndItsOwnEndsItOnlyBeforeTheFirstClick) {
    OpenOn(400, 300);
    const RgbImage before = Pixels();
    Click("Highlight");
    EXPECT_TRUE(editor.OnKey({'R'}));
    EXPECT_TRUE(Pressed("Redact") && !Pressed("Highlight"));
    EXPECT_EQ(window.colour, 0x0000FFu);  // the highlighter gave its yellow back
    Drag({40, 30}, {100, 90});
    EXPECT_EQ(Pixels().At(41, 31), Pixels().At(51, 41));  // one block of the pixelation
    EXPECT_NE(Pixels().At(41, 31), before.At(41, 31));

    Click("Frame");
    Press({10, 10});
    Click("Ellipse");  // the frame's first corner is dropped
    EXPECT_TRUE(Pressed("Ellipse") && !Pressed("Frame"));
    Press({20, 20});
    Click("Ellipse");  // after the first click its own button keeps the tool
    EXPECT_TRUE(Pressed("Ellipse"));
    Press({60, 60});
    EXPECT_FALSE(Pressed("Ellipse"));
    EXPECT_EQ(Core().UndoCount(), 2u);

    Click("Text");
    Press({10, 20});
    window.typed = "typed";
    Click("Arrow");
    EXPECT_THAT(Texts(), ElementsAre("10,20 16: typed"));
    EXPECT_TRUE(Pressed("Arrow") && !Pressed("Text") && window.field.empty());

    OpenOn(400, 300);
    Click("Zoom");
    Click("Zoom");
    EXPECT_TRUE(Core().changed);
}

TEST(EllipseRingsTest, TheFinalRingsHaveTheirOwnAspectThePreviewKeepsTheInnerOne) {
    const auto final = EllipseRings({0, 0}, {40, 20}, 2, true);
    const auto preview = EllipseRings({0, 0}, {40, 20}, 2, false);
    ASSERT_EQ(final.size(), 2u);
    EXPECT_DOUBLE_EQ(final[0].centreX, 20);
    EXPECT_DOUBLE_EQ(final[0].centreY, 10);
    EXPECT_DOUBLE_EQ(final[0].radiusX, 22);  // the outer ring first: radius 20 + 2
    EXPECT_DOUBLE_EQ(final[0].radiusY, 22 * (18.0 / 38.0));
    EXPECT_DOUBLE_EQ(final[1].radiusY, 21 * (19.0 / 39.0));
    EXPECT_DOUBLE_EQ(preview[0].radiusY, 11);
    // Taller than wide: the radius is the vertical semi-axis.
    const auto tall = EllipseRings({0, 0}, {20, 40}, 1, false);
    EXPECT_DOUBLE_EQ(tall[0].radiusY, 11);
    EXPECT_DOUBLE_EQ(tall[0].radiusX, 5.5);
    // Two clicks on one row give circles; a ring as wide as the clicks keeps a circle's aspect.
    EXPECT_DOUBLE_EQ(EllipseRings({0, 5}, {30, 5}, 1, true)[0].radiusY, 16);
    EXPECT_DOUBLE_EQ(EllipseRings({0, 0}, {1, 8}, 1, true)[0].radiusY, 1.5);
}

// A tool that records what it hears, owns a list of its own and previews a rectangle to the mouse.
class RecordingTool : public Tool {
public:
    static constexpr ControlId kOwnList = 50;
    void OnActivate() override { heard.push_back("chosen"); }
    void OnDeactivate() override { heard.push_back("left"); }
    void OnMouseDown(Point p) override { heard.push_back("down " + Text(p)); }
    void OnMouseMove(Point p, bool pressed) override { heard.push_back((pressed ? "drag " : "move ") + Text(p)); }
    void OnMouseUp(Point p, bool dragged) override { heard.push_back((dragged ? "dragged to " : "up ") + Text(p)); }
    bool OnKey(const KeyPress& key) override {
        heard.push_back("key " + KeyName(key));
        return key.code == 'A';
    }
    std::vector<ControlId> OwnControls() const override { return {kOwnList}; }
    void OnControl(ControlId, int index) override { heard.push_back("list " + std::to_string(index)); }
    bool ShowsCrossHair() const override { return false; }
    void DrawPreview(IDrawing& view, Point mouse) const override { view.Rectangle({0, 0}, mouse, 0xFF); }
    static std::string Text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    std::vector<std::string> heard;
};

TEST(ToolInterfaceTest, TheActiveToolHearsTheMouseAndKeysAndShowsItsOwnControls) {
    FakeForm form;
    fakes::FakeEditorWindow window;
    fakes::FakeTextRasteriser glyphs;
    EditorCore core(form, window, window, glyphs);
    core.Reset(std::make_shared<fakes::FakePicture>(400, 300, 1));  // the view shows all of it
    RecordingTool tool;
    core.OnToolButton(tool, 120);
    EXPECT_TRUE(window.pressed[120]);
    EXPECT_FALSE(form.State(StrengthList).visible);
    EXPECT_TRUE(form.State(RecordingTool::kOwnList).visible);
    core.OnMouseMove({10, 10});
    core.OnMouseMove({10, 10});  // twice at one point: heard once
    core.OnMouseDown({20, 20});
    core.OnMouseMove({22, 23});
    core.OnMouseUp({23, 23});  // within three pixels: a click
    core.OnMouseDown({20, 20});
    core.OnMouseUp({500, -40});  // a drag that ends outside the view ends on the picture's edge
    form.State(RecordingTool::kOwnList).listIndex = 4;
    core.OnToolControl(RecordingTool::kOwnList);
    EXPECT_TRUE(core.OnKey({'A'}));
    EXPECT_TRUE(core.OnKey({kKeyEscape}));  // not used by the tool: it leaves the tool
    EXPECT_FALSE(core.OnKey({kKeyEscape}));
    EXPECT_THAT(tool.heard, ElementsAre("chosen", "move 10,10", "down 20,20", "drag 22,23", "up 23,23", "down 20,20",
                                        "dragged to 399,0", "list 4", "key A", "key Escape", "left"));
    EXPECT_FALSE(window.pressed[120]);
    EXPECT_TRUE(form.State(StrengthList).visible);
    EXPECT_TRUE(window.preview.Empty());
}

// Only the marks that moved are painted again, by their outlines: the cross-hair's old and new
// place, not what a frame or an ellipse encloses, nor the cross-hair's line that stayed.
TEST_F(EditorTest, AMouseMoveRepaintsOnlyWhatChanged) {
    const auto repainted = [&](Point p) {
        return std::any_of(window.repainted.begin(), window.repainted.end(), [p](const Rect& r) {
            return p.x >= r.left && p.x < r.left + r.width && p.y >= r.top && p.y < r.top + r.height;
        });
    };
    for (const char* tool : {"Frame", "Ellipse"}) {
        OpenOn(800, 600);
        Click(tool);
        Press({100, 100});
        editor.OnMouseMove({400, 300});
        editor.OnMouseMove({420, 300});
        EXPECT_TRUE(repainted({420, 200}) && repainted({400, 200})) << tool;
        EXPECT_FALSE(repainted({250, 200}) || repainted({700, 300})) << tool;
    }
    window.repainted.clear();
    editor.OnMouseMove({420, 300});
    EXPECT_TRUE(window.repainted.empty());
}

TEST_F(EditorTest, ADragDoesWhatTwoClicksDo) {
    for (const std::string tool : {"Frame", "Ellipse", "Zoom"}) {
        OpenOn(400, 300);
        Click(tool);
        Press({40, 30});
        Press({200, 120});
        if (tool == "Zoom") Press({250, 150});
        const RgbImage clicked = Pixels();
        OpenOn(400, 300);
        Click(tool);
        Drag({40, 30}, {200, 120});
        if (tool == "Zoom") Press({250, 150});
        EXPECT_EQ(Pixels(), clicked) << tool;
        EXPECT_FALSE(Pressed(tool)) << tool;
        EXPECT_EQ(Core().UndoCount(), 1u) << tool;
    }
}

TEST_F(EditorTest, EscapeMidDragLeavesTheToolAndChangesNothing) {
    OpenOn(400, 300);
    Click("Frame");
    editor.OnMouseDown({40, 30});
    editor.OnMouseMove({200, 120});
    EXPECT_TRUE(editor.OnKey({kKeyEscape}));
    editor.OnMouseUp({200, 120});
    EXPECT_EQ(Serial(), 1);
    EXPECT_EQ(Core().UndoCount(), 0u);
    EXPECT_FALSE(Core().changed);
    EXPECT_FALSE(Pressed("Frame"));
    EXPECT_TRUE(window.preview.Empty());
}

// Draw, undo, draw again, a crop among the changes: every undo (Ctrl+Z) gives back exactly the
// pixels of the picture before the change, with its size, and the view shows them.
TEST_F(EditorTest, UndoingEveryChangeGivesThePicturesBackPixelForPixel) {
    OpenOn(400, 300);
    std::vector<RgbImage> pictures{Pixels()};
    const auto change = [&](const std::function<void()>& edit) {
        edit();
        pictures.push_back(Pixels());
    };
    change([&] { DrawFrame(); });
    Click("Undo");
    EXPECT_EQ(Pixels(), pictures[0]);
    pictures.pop_back();
    change([&] { DrawFrame(); });
    change([&] { Click("Ellipse"), Drag({60, 60}, {200, 150}); });
    change([&] { Click("Zoom"), Drag({10, 10}, {50, 40}), Press({300, 200}); });
    change([&] { Click("Crop"), Press({350, 250}), Click("Crop"); });
    change([&] { DrawFrame(); });
    EXPECT_EQ(PictureSize(), (Size{350, 250}));
    EXPECT_FALSE(editor.OnKey({'Z'}));  // a letter without Ctrl is no command
    for (std::size_t i = pictures.size() - 1; i > 0; --i) {
        EXPECT_TRUE(editor.OnKey(CtrlKey('Z')));
        EXPECT_EQ(Pixels(), pictures[i - 1]) << "after undo " << pictures.size() - i;
        EXPECT_EQ(window.shownPixels, Pixels()) << "after undo " << pictures.size() - i;
    }
    EXPECT_FALSE(form.State(Button("Undo")).enabled);
    EXPECT_EQ(editor.Toolbar()[ToolbarIndex("Undo")].Tooltip(0), "Undo the last change (Ctrl+Z)");
}

// A step keeps the tiles its change touched; a hundred frames of ten pixels around most of a
// 3840 x 2160 picture fit in the undo budget.
TEST(PixelPatchTest, AFrameKeepsLittleMoreThanItsRingsAndRestoresThemExactly) {
    const RgbImage before(3840, 2160, 0x808080);
    RgbImage after = before;
    for (int i = 1; i <= 10; ++i) {
        for (int x = 100 - i; x <= 3700 + i; ++x) after.Set(x, 100 - i, 0xFF), after.Set(x, 2000 + i, 0xFF);
        for (int y = 100 - i; y <= 2000 + i; ++y) after.Set(100 - i, y, 0xFF), after.Set(3700 + i, y, 0xFF);
    }
    const PixelPatch patch(before, after);
    EXPECT_LT(100 * patch.Bytes(), UndoStack::kMaxBytes);
    patch.Restore(after);
    EXPECT_TRUE(after == before);
}

TEST(UndoStackTest, KeepsAtMost255StepsAndABudgetOfBytesDroppingTheOldest) {
    UndoStack stack;
    for (int i = 1; i <= 300; ++i) stack.Push({std::make_shared<fakes::FakePicture>(10, 10, i), {}});
    EXPECT_EQ(stack.Count(), 255u);
    EXPECT_EQ(fakes::SerialOf(stack.Pop()->picture), 300);
    // A budget for two steps of one changed tile: the picture before them goes.
    RgbImage changed(16, 16);
    changed.Set(0, 0, 0xFFFFFF);
    const PixelPatch step(RgbImage(16, 16), changed);
    UndoStack small(255, 2 * step.Bytes());
    small.Push({std::make_shared<fakes::FakePicture>(1, 1, 1), {}});
    small.Push({nullptr, step});
    small.Push({nullptr, step});
    EXPECT_EQ(small.Count(), 2u);
    EXPECT_FALSE(small.Pop()->picture || small.Pop()->picture);
}

// Lines apart at line breaks, without what is blank at the end, in the size chosen.
TEST_F(EditorTest, TextIsTypedInPlaceAndGoesInAsOneChangeOrNotAtAll) {
    OpenOn(400, 300);
    editor.OnKey({'T'});
    EXPECT_TRUE(Pressed("Text") && form.State(TextSizeList).visible && !form.State(StrengthList).visible);
    form.State(TextSizeList).listIndex = 4;
    editor.OnClick(Id(TextSizeList));
    Press({10, 20});
    EXPECT_EQ(window.field, "10,20 24: ");
    window.typed = "Ωμέγα 日本\r\nline two \r\n\r\n";
    editor.OnKey({kKeyReturn});
    for (const auto& [typed, key] : {std::pair{"dropped", kKeyEscape}, {" \r\n", kKeyReturn}}) {
        Press({250, 160});  // Escape drops the text; blanks are no change
        window.typed = typed;
        editor.OnKey({key});
    }
    Press({270, 180});
    window.typed = "blank \r\n";
    Press({290, 250});  // a click elsewhere puts the text in and opens the next field
    EXPECT_THAT(Texts(), ElementsAre("10,20 24: Ωμέγα 日本\nline two", "270,180 24: blank"));
    EXPECT_TRUE(Core().UndoCount() == 2 && window.field == "290,250 24: " && Pressed("Text"));
}

}  // namespace
}  // namespace snapwright
