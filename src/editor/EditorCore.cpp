#include "editor/EditorCore.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "editor/TextMark.h"
#include "editor/TextTool.h"
#include "lang/UserText.h"
#include "platform/Geometry.h"

namespace snapwright {

using enum EditorControl;

namespace {

// A working picture that notes where it is drawn on, so that only that part of the picture is
// compared for undo. A shape's place has room for the pen and for GDI's rounding.
class TracedWork : public IWorkingPicture {
public:
    explicit TracedWork(IWorkingPicture& work) : m_work(work) {}

    void Line(Point from, Point to, Colour colour) override {
        Note(Around(from, to, 2));
        m_work.Line(from, to, colour);
    }
    void Rectangle(Point corner, Point oppositeCorner, Colour colour) override {
        Note(Around(corner, oppositeCorner, 2));
        m_work.Rectangle(corner, oppositeCorner, colour);
    }
    void Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) override {
        const auto at = [](double value) { return static_cast<int>(value); };
        Note(Around({at(centreX - radiusX), at(centreY - radiusY)}, {at(centreX + radiusX), at(centreY + radiusY)}, 3));
        m_work.Ellipse(centreX, centreY, radiusX, radiusY, colour);
    }
    void StretchPicture(const PicturePtr& picture, const Rect& destination) override {
        Note(destination);
        m_work.StretchPicture(picture, destination);
    }
    RgbImage ReadPixels(const Rect& region) override { return m_work.ReadPixels(region); }
    void WritePixels(const RgbImage& pixels, Point at) override {
        Note({at.x, at.y, pixels.Width(), pixels.Height()});
        m_work.WritePixels(pixels, at);
    }
    PicturePtr CopyOut(const Rect& region) override { return m_work.CopyOut(region); }
    Rect Text(Point at, const std::string& text, Colour colour, int pixelHeight, int wrapWidth) override {
        const Rect drawn = m_work.Text(at, text, colour, pixelHeight, wrapWidth);
        Note(drawn);
        return drawn;
    }

    const Rect& Touched() const { return m_touched; }

private:
    static Rect Around(Point a, Point b, int room) {
        return {std::min(a.x, b.x) - room, std::min(a.y, b.y) - room, std::abs(b.x - a.x) + 2 * room + 1,
                std::abs(b.y - a.y) + 2 * room + 1};
    }
    void Note(const Rect& area) {
        if (area.width <= 0 || area.height <= 0) return;
        if (m_touched.width <= 0 || m_touched.height <= 0) {
            m_touched = area;
            return;
        }
        const int right = std::max(m_touched.left + m_touched.width, area.left + area.width);
        const int bottom = std::max(m_touched.top + m_touched.height, area.top + area.height);
        m_touched.left = std::min(m_touched.left, area.left);
        m_touched.top = std::min(m_touched.top, area.top);
        m_touched.width = right - m_touched.left;
        m_touched.height = bottom - m_touched.top;
    }

    IWorkingPicture& m_work;
    Rect m_touched;
};

}  // namespace

EditorCore::EditorCore(IForm& form, IEditorWindow& window, IPictureTools& pictures, ITextRasteriser& glyphs)
    : form(form), window(window), pictures(pictures), m_glyphs(glyphs) {}

void EditorCore::Reset(PicturePtr picture) {
    LeaveTool();
    m_mouse.reset();
    m_preview = {};
    window.ShowPreview(m_preview, {});
    changed = false;
    ReplacePicture(std::move(picture));
}

Size EditorCore::PictureSize() const {
    return m_hasPicture ? m_marked.PictureSize() : Size{};
}

// The picture given is what the view shows until the first change: no copy of it is made.
void EditorCore::ReplacePicture(PicturePtr picture) {
    EndTextEdit(false);
    m_selection.Select(std::nullopt);
    RgbImage pixels;
    if (picture) {
        pixels = pictures.PixelsOf(*picture, {0, 0, picture->Width(), picture->Height()});
        if (pixels.Empty()) {
            TellFailure();
            picture.reset();
        }
    }
    m_hasPicture = picture != nullptr;
    m_marked.Reset(std::move(pixels));
    m_marked.TakeResized();
    m_marked.TakeChangedAreas();
    m_changesSeen = m_marked.Changes();
    m_made = picture;
    m_view = std::move(picture);
    ShowUndoState();
    LayOut();
    UpdatePicture();
    ShowPreview();
}

void EditorCore::ClearView() {
    ReplacePicture(nullptr);
    form.SetVisible(Id(VerticalScroll), false);
    form.SetVisible(Id(HorizontalScroll), false);
}

PicturePtr EditorCore::Picture() {
    if (!m_hasPicture) return nullptr;
    if (!m_made) {
        m_made = pictures.PictureOf(m_marked.Flatten());
        if (!m_made) TellFailure();
    }
    return m_made;
}

void EditorCore::LayOut() {
    const Rect view = window.ControlBounds(Id(View));
    m_layout = LayOutView(window.ClientSize(), {view.left, view.top}, window.ScrollBarThickness(), PictureSize(),
                          m_hasPicture);
    form.SetVisible(Id(HorizontalScroll), m_layout.horizontalShown);
    form.SetVisible(Id(VerticalScroll), m_layout.verticalShown);
    window.SetControlBounds(Id(HorizontalScroll), m_layout.horizontalBar);
    window.SetControlBounds(Id(VerticalScroll), m_layout.verticalBar);
    window.SetScrollMaximum(Id(HorizontalScroll), m_layout.horizontalMaximum);
    window.SetScrollMaximum(Id(VerticalScroll), m_layout.verticalMaximum);
    window.SetControlBounds(Id(View), m_layout.view);
}

// The view shows what the mouse points at: the same offset serves the painting and the mapping
// of clicks, also at the scroll maximum, where the offset is not a whole number of steps.
Point EditorCore::ToPicture(Point view) const {
    const Size picture = PictureSize();
    return {view.x + ScrollOffset(window.ScrollValue(Id(HorizontalScroll)), m_layout.horizontalMaximum,
                                  picture.width, m_layout.view.width),
            view.y + ScrollOffset(window.ScrollValue(Id(VerticalScroll)), m_layout.verticalMaximum, picture.height,
                                  m_layout.view.height)};
}

Point EditorCore::ToView(Point picture) const {
    const Point origin = ToPicture({0, 0});
    return {picture.x - origin.x, picture.y - origin.y};
}

void EditorCore::UpdatePicture() {
    window.ShowPicture(m_view, ToPicture({0, 0}));
}

Point EditorCore::OnPicture(Point view) const {
    if (!m_hasPicture) return view;
    const Point origin = ToPicture({0, 0});
    const Size picture = PictureSize();
    return {std::clamp(view.x, -origin.x, picture.width - 1 - origin.x),
            std::clamp(view.y, -origin.y, picture.height - 1 - origin.y)};
}

void EditorCore::TellFailure() {
    window.Inform(UserText(TextId::EditorNoMemoryMessage, language), "Snapwright");
}

// A picture of another size is shown whole, from its top-left corner; otherwise only the parts
// whose looks changed are painted into the view's picture, the text edited in place left out.
void EditorCore::ShowChanges() {
    if (m_marked.Changes() != m_changesSeen) Changed();
    if (m_marked.TakeResized()) {
        m_marked.TakeChangedAreas();
        m_view = pictures.PictureOf(m_marked.Flatten(m_marked.Area(), m_selection.LeftOut()));
        if (!m_view) TellFailure();
        window.SetScrollValue(Id(VerticalScroll), 0);
        window.SetScrollValue(Id(HorizontalScroll), 0);
        LayOut();
        UpdatePicture();
    } else {
        std::vector<PlacedPixels> parts;
        for (const Rect& area : m_marked.TakeChangedAreas()) {
            const Rect shown = Intersection(area, m_marked.Area());
            if (shown.width <= 0 || shown.height <= 0) continue;
            parts.push_back({m_marked.Flatten(shown, m_selection.LeftOut()), {shown.left, shown.top}});
        }
        if (!parts.empty()) window.ChangePicture(parts);
    }
    ShowUndoState();
    ShowPreview();
}

void EditorCore::Changed() {
    changed = true;
    m_changesSeen = m_marked.Changes();
    m_made.reset();
}

// The pixels that the change replaced are found by comparing the part of the picture it drew on,
// before and after.
void EditorCore::Commit(const std::function<void(IWorkingPicture&)>& draw) {
    if (!m_hasPicture) return;
    const PicturePtr before = pictures.PictureOf(m_marked.Pixels());
    const std::unique_ptr<IWorkingPicture> work = before ? pictures.WorkOn(*before) : nullptr;
    if (!work) {
        TellFailure();
        return;
    }
    TracedWork traced(*work);
    draw(traced);
    const Rect touched = Intersection(traced.Touched(), m_marked.Area());
    if (touched.width <= 0 || touched.height <= 0) return;
    const RgbImage now = work->ReadPixels(touched);
    if (now.Width() != touched.width || now.Height() != touched.height) {
        TellFailure();
        return;
    }
    m_marked.ChangePixels(touched, [&](RgbImage& pixels, Point) { pixels = now; });
    ShowChanges();
}

void EditorCore::Crop(const Rect& region) {
    if (!m_hasPicture) return;
    EndTextEdit(true);
    m_selection.Select(std::nullopt);
    m_marked.Crop(region);
    ShowChanges();
}

void EditorCore::AddMark(std::unique_ptr<Mark> mark) {
    if (!m_hasPicture || !mark) return;
    const std::size_t index = m_marked.AddMark(std::move(mark));
    m_selection.Select(index);
    ShowChanges();
}

// The mark an undo gives back is selected, so that the user sees what came back.
void EditorCore::Undo() {
    if (!m_marked.CanUndo()) return;
    EndTextEdit(true);
    m_selection.Undo();
    ShowChanges();
}

void EditorCore::ClearUndo() {
    m_marked.ClearUndo();
    ShowUndoState();
}

void EditorCore::SetUndoButton(ControlId button) {
    m_undoButton = button;
}

void EditorCore::ShowUndoState() {
    form.SetEnabled(m_undoButton, m_marked.CanUndo());
}

// --- tools ---

// The button's own click lets go of its pressed look, so a tool that stays shows it pressed again.
// Another tool's button chooses that tool at once: a drag after it must never be the old tool's (a
// highlight where a redaction was asked for would leave the secret readable). What the old tool
// had under way is finished first, as when the picture leaves the editor.
void EditorCore::OnToolButton(Tool& tool, ControlId button) {
    if (m_active && m_active != &tool) {
        m_active->Finish();
        LeaveTool();
    }
    if (m_active == &tool) {
        if (tool.OnButtonAgain()) {
            LeaveTool();
        } else {
            window.SetButtonPressed(button, true);
        }
        return;
    }
    m_active = &tool;
    m_activeButton = button;
    m_pressed = false;
    m_mouse.reset();
    window.SetButtonPressed(button, true);
    ShowToolControls(tool, true);
    tool.OnActivate();
}

void EditorCore::LeaveTool() {
    if (!m_active) return;
    Tool& tool = *std::exchange(m_active, nullptr);
    m_pressed = false;
    window.SetButtonPressed(m_activeButton, false);
    ShowToolControls(tool, false);
    tool.OnDeactivate();
    ShowPreview();
}

void EditorCore::FinishTool() {
    if (m_active) m_active->Finish();
}

void EditorCore::ShowToolControls(const Tool& tool, bool shown) {
    const std::vector<ControlId> own = tool.OwnControls();
    if (own.empty()) return;
    form.SetVisible(Id(StrengthLabel), !shown);
    form.SetVisible(Id(StrengthList), !shown);
    for (ControlId control : own) form.SetVisible(control, shown);
}

void EditorCore::OnToolControl(ControlId control) {
    if (!m_active) return;
    const std::vector<ControlId> own = m_active->OwnControls();
    if (std::find(own.begin(), own.end(), control) == own.end()) return;
    m_active->OnControl(control, form.ListIndex(control));
    ShowPreview();
}

// A press with no tool chosen, or on the selected mark while the tool has nothing under way, goes
// to the selection; any other press lets the selection go before the tool hears it.
void EditorCore::OnMouseDown(Point view) {
    if (!m_hasPicture) return;
    EndTextEdit(true);
    const Point at = ToPicture(view);
    m_pressed = true;
    m_pressedAt = view;
    if (!m_active || (m_active->Idle() && m_selection.Holds(at))) {
        m_selecting = true;
        m_selection.OnPress(at);
        ShowChanges();
        return;
    }
    m_selecting = false;
    m_selection.Select(std::nullopt);
    m_mouse = OnPicture(view);
    m_active->OnMouseDown(*m_mouse);
    ShowChanges();
}

// Two moves to the same point show the marks once. A mark may be dragged partly off the picture.
void EditorCore::OnMouseMove(Point view) {
    if (m_selecting) {
        if (m_pressed) {
            m_selection.OnDrag(ToPicture(view));
            ShowChanges();
        }
        return;
    }
    if (!m_active) return;
    const Point point = OnPicture(view);
    if (m_mouse == point) return;
    m_mouse = point;
    m_active->OnMouseMove(point, m_pressed);
    ShowPreview();
}

void EditorCore::OnMouseUp(Point view) {
    if (!m_pressed) return;
    m_pressed = false;
    if (std::exchange(m_selecting, false)) {
        m_selection.OnRelease(ToPicture(view));
        ShowChanges();
        return;
    }
    if (!m_active) return;
    const bool dragged =
        std::abs(view.x - m_pressedAt.x) > kClickTolerance || std::abs(view.y - m_pressedAt.y) > kClickTolerance;
    m_mouse = OnPicture(view);
    m_active->OnMouseUp(*m_mouse, dragged);
    ShowPreview();
}

// The field opens over the text where it stands, with its text, its colour and size; the text
// leaves the view while it is typed.
void EditorCore::OnDoubleClick(Point view) {
    if (m_active || !m_hasPicture) return;
    const std::optional<std::size_t> index = m_selection.TextAt(ToPicture(view));
    if (!index) return;
    // The press that came with the double click is over: the field takes the mouse from here.
    if (std::exchange(m_selecting, false)) m_selection.OnRelease(ToPicture(view));
    m_pressed = false;
    const auto& text = static_cast<const TextMark&>(m_marked.Marks().At(*index));
    m_selection.BeginTextEdit(*index);
    m_editingText = true;
    const Point corner = ToView({text.Box().left, text.Box().top});
    window.BeginText({corner.x, corner.y, text.Wrapped() ? text.Box().width : 0, 0}, text.Style().colour,
                     text.PixelHeight(), text.Text());
    ShowChanges();
}

// What was typed replaces the text (nothing typed removes it), one change; Escape keeps the text
// as it was.
void EditorCore::EndTextEdit(bool keep) {
    if (!std::exchange(m_editingText, false)) return;
    const std::string typed = TextToDraw(window.EndText());
    const Mark* before = m_selection.Selected() ? &m_marked.Marks().At(*m_selection.Selected()) : nullptr;
    const std::string old = before ? static_cast<const TextMark*>(before)->Text() : std::string();
    m_selection.EndTextEdit(keep ? typed : old);
    ShowChanges();
}

bool EditorCore::OnKey(const KeyPress& key) {
    if (m_editingText) {
        if (key == KeyPress{kKeyReturn} || key == KeyPress{kKeyEscape}) {
            EndTextEdit(key == KeyPress{kKeyReturn});
            return true;
        }
        return false;
    }
    if (m_active && m_active->OnKey(key)) {
        ShowPreview();
        return true;
    }
    if (m_active && key == KeyPress{kKeyEscape}) {
        LeaveTool();
        return true;
    }
    if (m_pressed || !m_selection.Selected()) return false;
    if (!m_selection.OnKey(key)) return false;
    ShowChanges();
    return true;
}

bool EditorCore::OnCharacter(char32_t character) {
    if (!m_active || !m_active->OnCharacter(character)) return false;
    ShowPreview();
    return true;
}

void EditorCore::SetColour(Colour colour) {
    style.colour = colour;
    window.ShowColour(Id(ColourButton), colour);
}

void EditorCore::ChooseColour(Colour colour) {
    SetColour(colour);
    m_selection.SetColour(colour);
    ShowChanges();
    OnStyleChanged();
}

void EditorCore::ChooseStrength(int strength) {
    style.strength = strength;
    m_selection.SetStrength(strength);
    ShowChanges();
    OnStyleChanged();
}

bool EditorCore::ChooseTextSize(int pixelHeight) {
    const bool restyled = m_selection.SetTextSize(pixelHeight);
    ShowChanges();
    return restyled;
}

void EditorCore::OnStyleChanged() {
    if (!m_active) return;
    m_active->OnStyleChanged();
    ShowPreview();
}

// The cross-hair runs through the whole view; the tool's marks follow it. The selected mark's
// handles are small squares, black edged in white, as the markers are.
void EditorCore::ShowPreview() {
    Preview next;
    if (m_active && m_mouse && !m_selecting) {
        if (m_active->ShowsCrossHair()) {
            DrawMarkerLine(next, {m_mouse->x, 0}, {m_mouse->x, m_layout.view.height});
            DrawMarkerLine(next, {0, m_mouse->y}, {m_layout.view.width, m_mouse->y});
        }
        m_active->DrawPreview(next, *m_mouse);
    }
    if (!m_editingText) {
        const int half = kHandleSize / 2;
        for (const Point& handle : m_selection.Handles()) {
            const Point at = ToView(handle);
            next.Rectangle({at.x - half, at.y - half}, {at.x + half, at.y + half}, kMarkerEdgeColour);
            next.Rectangle({at.x - half + 1, at.y - half + 1}, {at.x + half - 1, at.y + half - 1}, kMarkerColour);
        }
    }
    const std::vector<Rect> changedAreas = ChangedAreas(m_preview, next, ViewSize());
    m_preview = std::move(next);
    window.ShowPreview(m_preview, changedAreas);
}

}  // namespace snapwright
