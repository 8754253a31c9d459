#include "editor/EditorCore.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

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

EditorCore::EditorCore(IForm& form, IEditorWindow& window, IPictureTools& pictures)
    : form(form), window(window), pictures(pictures) {}

void EditorCore::Reset(PicturePtr picture) {
    LeaveTool();
    m_mouse.reset();
    m_preview = {};
    window.ShowPreview(m_preview, {});
    changed = false;
    m_undo.Clear();
    ShowUndoState();
    ReplacePicture(std::move(picture));
}

Size EditorCore::PictureSize() const {
    return m_picture ? Size{m_picture->Width(), m_picture->Height()} : Size{};
}

void EditorCore::ReplacePicture(PicturePtr picture) {
    m_picture = std::move(picture);
    LayOut();
    UpdatePicture();
}

void EditorCore::ClearView() {
    m_picture.reset();
    m_undo.Clear();
    ShowUndoState();
    form.SetVisible(Id(VerticalScroll), false);
    form.SetVisible(Id(HorizontalScroll), false);
    window.ShowPicture(nullptr, {});
}

void EditorCore::LayOut() {
    const Rect view = window.ControlBounds(Id(View));
    m_layout = LayOutView(window.ClientSize(), {view.left, view.top}, window.ScrollBarThickness(), PictureSize(),
                          m_picture != nullptr);
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

void EditorCore::UpdatePicture() {
    window.ShowPicture(m_picture, ToPicture({0, 0}));
}

Point EditorCore::OnPicture(Point view) const {
    if (!m_picture) return view;
    const Point origin = ToPicture({0, 0});
    return {std::clamp(view.x, -origin.x, m_picture->Width() - 1 - origin.x),
            std::clamp(view.y, -origin.y, m_picture->Height() - 1 - origin.y)};
}

void EditorCore::TellFailure() {
    window.Inform(UserText(TextId::EditorNoMemoryMessage, language), "Snapwright");
}

// The pixels that the change replaced are found by comparing the part of the picture it drew on,
// before and after; where they cannot be read, the whole picture before is kept instead.
void EditorCore::Commit(const std::function<void(IWorkingPicture&)>& draw) {
    if (!m_picture) return;
    const PicturePtr before = m_picture;
    const Rect whole{0, 0, before->Width(), before->Height()};
    const std::unique_ptr<IWorkingPicture> work = pictures.WorkOn(*before);
    TracedWork traced(*work);
    draw(traced);
    PicturePtr after = work->CopyOut(whole);
    if (!after) {
        TellFailure();
        return;
    }
    UndoStep step;
    const Rect touched = Intersection(traced.Touched(), whole);
    if (touched.width > 0 && touched.height > 0) {
        const RgbImage old = pictures.PixelsOf(*before, touched);
        const RgbImage now = work->ReadPixels(touched);
        if (!old.Empty() && old.Width() == now.Width() && old.Height() == now.Height()) {
            step.patch = PixelPatch(old, now, {touched.left, touched.top});
        } else {
            step.picture = before;
        }
    }
    m_undo.Push(std::move(step));
    ShowUndoState();
    changed = true;
    ReplacePicture(std::move(after));
}

void EditorCore::CommitPixels(const Rect& region, const std::function<void(RgbImage&, Point at)>& change) {
    if (!m_picture) return;
    const Rect part = Intersection(region, {0, 0, m_picture->Width(), m_picture->Height()});
    if (part.width <= 0 || part.height <= 0) return;
    Commit([&](IWorkingPicture& work) {
        RgbImage pixels = work.ReadPixels(part);
        if (pixels.Empty()) return;
        change(pixels, {part.left, part.top});
        work.WritePixels(pixels, {part.left, part.top});
    });
}

void EditorCore::Crop(const Rect& region) {
    if (!m_picture) return;
    PicturePtr cropped = pictures.WorkOn(*m_picture)->CopyOut(region);
    if (!cropped) {
        TellFailure();
        return;
    }
    m_undo.Push({m_picture, {}});
    ShowUndoState();
    changed = true;
    ReplacePicture(std::move(cropped));
}

PicturePtr EditorCore::UndoneFrom(UndoStep& step) {
    if (step.picture) return step.picture;
    if (!m_picture) return nullptr;
    RgbImage pixels = pictures.PixelsOf(*m_picture, {0, 0, m_picture->Width(), m_picture->Height()});
    if (pixels.Empty()) return nullptr;
    step.patch.Restore(pixels);
    return pictures.PictureOf(pixels);
}

// The picture comes back with its own size, so an undone crop gives the whole picture again,
// seen from its top-left corner. A step that cannot be undone for want of memory stays.
void EditorCore::Undo() {
    std::optional<UndoStep> step = m_undo.Pop();
    if (!step) return;
    PicturePtr previous = UndoneFrom(*step);
    if (!previous) {
        m_undo.Push(std::move(*step));
        TellFailure();
        return;
    }
    ShowUndoState();
    changed = true;
    window.SetScrollValue(Id(VerticalScroll), 0);
    window.SetScrollValue(Id(HorizontalScroll), 0);
    ReplacePicture(std::move(previous));
}

void EditorCore::ClearUndo() {
    m_undo.Clear();
    ShowUndoState();
}

void EditorCore::SetUndoButton(ControlId button) {
    m_undoButton = button;
}

void EditorCore::ShowUndoState() {
    form.SetEnabled(m_undoButton, !m_undo.Empty());
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

void EditorCore::OnMouseDown(Point view) {
    if (!m_active) return;
    m_pressed = true;
    m_pressedAt = view;
    m_mouse = OnPicture(view);
    m_active->OnMouseDown(*m_mouse);
    ShowPreview();
}

// Two moves to the same point show the marks once.
void EditorCore::OnMouseMove(Point view) {
    if (!m_active) return;
    const Point point = OnPicture(view);
    if (m_mouse == point) return;
    m_mouse = point;
    m_active->OnMouseMove(point, m_pressed);
    ShowPreview();
}

void EditorCore::OnMouseUp(Point view) {
    if (!m_pressed || !m_active) return;
    m_pressed = false;
    const bool dragged =
        std::abs(view.x - m_pressedAt.x) > kClickTolerance || std::abs(view.y - m_pressedAt.y) > kClickTolerance;
    m_mouse = OnPicture(view);
    m_active->OnMouseUp(*m_mouse, dragged);
    ShowPreview();
}

bool EditorCore::OnKey(const KeyPress& key) {
    if (!m_active) return false;
    if (m_active->OnKey(key)) {
        ShowPreview();
        return true;
    }
    if (key == KeyPress{kKeyEscape}) {
        LeaveTool();
        return true;
    }
    return false;
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

void EditorCore::OnStyleChanged() {
    if (!m_active) return;
    m_active->OnStyleChanged();
    ShowPreview();
}

// The cross-hair runs through the whole view; the tool's marks follow it.
void EditorCore::ShowPreview() {
    Preview next;
    if (m_active && m_mouse) {
        if (m_active->ShowsCrossHair()) {
            DrawMarkerLine(next, {m_mouse->x, 0}, {m_mouse->x, m_layout.view.height});
            DrawMarkerLine(next, {0, m_mouse->y}, {m_layout.view.width, m_mouse->y});
        }
        m_active->DrawPreview(next, *m_mouse);
    }
    const std::vector<Rect> changedAreas = ChangedAreas(m_preview, next, ViewSize());
    m_preview = std::move(next);
    window.ShowPreview(m_preview, changedAreas);
}

}  // namespace snapwright
