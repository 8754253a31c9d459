#include "editor/EditorCore.h"

namespace snapwright {

using enum EditorControl;

EditorCore::EditorCore(IForm& form, IEditorWindow& window) : form(form), window(window) {}

void EditorCore::Reset(PicturePtr picture) {
    mode = EditMode::None;
    changed = false;
    markerFrozen = false;
    m_last = {};
    m_undo.Clear();
    ShowUndoState();
    ReplacePicture(std::move(picture));
}

Size EditorCore::PictureSize() const {
    return m_picture ? Size{m_picture->Width(), m_picture->Height()} : Size{};
}

void EditorCore::ReplacePicture(PicturePtr picture) {
    m_picture = std::move(picture);
    window.SetViewPicture(m_picture);
    LayOut();
    UpdatePicture();
}

void EditorCore::ClearView() {
    m_picture.reset();
    window.SetViewPicture(nullptr);
    m_undo.Clear();
    ShowUndoState();
    form.SetVisible(Id(VerticalScroll), false);
    form.SetVisible(Id(HorizontalScroll), false);
    window.PaintView({});
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
    window.PaintView(ToPicture({0, 0}));
}

bool EditorCore::DrawCrossHair(Point view) {
    if (view == m_last || mode == EditMode::None) return false;
    UpdatePicture();
    IDrawing& markers = window.ViewMarkers();
    markers.Line({view.x, 0}, {view.x, m_layout.view.height}, kMarkerColour);
    markers.Line({0, view.y}, {m_layout.view.width, view.y}, kMarkerColour);
    m_last = view;
    return true;
}

void EditorCore::TakeSnapshot() {
    m_undo.Push(m_picture);
    ShowUndoState();
}

// The picture comes back with its own size, so an undone crop gives the whole picture again,
// seen from its top-left corner.
void EditorCore::Undo() {
    PicturePtr previous = m_undo.Pop();
    ShowUndoState();
    if (!previous) return;
    changed = true;
    window.SetScrollValue(Id(VerticalScroll), 0);
    window.SetScrollValue(Id(HorizontalScroll), 0);
    ReplacePicture(std::move(previous));
}

void EditorCore::ClearUndo() {
    m_undo.Clear();
    ShowUndoState();
}

void EditorCore::ShowUndoState() {
    form.SetEnabled(Id(UndoButton), !m_undo.Empty());
}

}  // namespace snapwright
