#pragma once
#include "editor/EditorControls.h"
#include "editor/EditorPorts.h"
#include "editor/ScrollLayout.h"
#include "editor/UndoStack.h"

namespace snapwright {

// The tool that takes the view's mouse: only one at a time.
enum class EditMode { None, Zoom, Crop, Frame, Ellipse };

inline constexpr Colour kMarkerColour = 0x000000;  // the cross-hair and the crop arrow

// What the editor's parts share: the current picture and the view that shows it scrolled, the
// undo pictures, the active tool and whether the picture changed since it was last saved.
class EditorCore {
public:
    EditorCore(IForm& form, IEditorWindow& window);

    // Starts afresh with a picture (null: an empty view), as the editor opens.
    void Reset(PicturePtr picture);

    const PicturePtr& Picture() const { return m_picture; }
    Size PictureSize() const;
    // The picture becomes the view's, and the view and its scroll bars follow its size.
    void ReplacePicture(PicturePtr picture);
    void ClearView();  // no picture, no scroll bars; the undo pictures go too

    // Repaints the view from the scroll position; every marker goes.
    void UpdatePicture();
    // Sizes the view to the window and sets up the scroll bars for the picture, then shrinks the
    // view to a picture smaller than it.
    void LayOut();
    // The picture point under a point of the view.
    Point ToPicture(Point view) const;
    Size ViewSize() const { return {m_layout.view.width, m_layout.view.height}; }

    // The cross-hair through a point of the view, drawn once per point; false when the mouse has
    // not moved or no tool is active (and then no tool draws its marker either).
    bool DrawCrossHair(Point view);

    void TakeSnapshot();
    void Undo();
    void ClearUndo();
    std::size_t UndoCount() const { return m_undo.Count(); }

    EditMode mode = EditMode::None;
    bool changed = false;
    bool markerFrozen = false;

    IForm& form;
    IEditorWindow& window;

private:
    void ShowUndoState();

    PicturePtr m_picture;
    ViewLayout m_layout;
    Point m_last;
    UndoStack m_undo;
};

}  // namespace snapwright
