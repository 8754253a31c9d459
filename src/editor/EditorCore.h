#pragma once
#include <functional>
#include <optional>
#include <string>

#include "editor/EditorControls.h"
#include "editor/EditorPorts.h"
#include "editor/Preview.h"
#include "editor/ScrollLayout.h"
#include "editor/Tool.h"
#include "editor/UndoStack.h"

namespace snapwright {

// How the tools draw: the editor's colour, line strength and font.
struct DrawingStyle {
    Colour colour = 0x0000FF;  // red: marks stand out on most screenshots
    int strength = 1;          // pixels
    std::string fontFace = "Arial";
    int fontSize = 12;  // points
};

// A release this far (pixels, either way) from where the mouse was pressed is still a click.
inline constexpr int kClickTolerance = 3;

// What the editor's parts share: the current picture and the view that shows it scrolled, the
// changes burnt into the picture and the undo steps back, the drawing style, whether the picture
// changed since it was last saved, and the active tool with the mouse and keys it hears.
class EditorCore {
public:
    EditorCore(IForm& form, IEditorWindow& window, IPictureTools& pictures);

    // Starts afresh with a picture (null: an empty view), as the editor opens.
    void Reset(PicturePtr picture);

    const PicturePtr& Picture() const { return m_picture; }
    Size PictureSize() const;
    // The picture becomes the view's, and the view and its scroll bars follow its size.
    void ReplacePicture(PicturePtr picture);
    void ClearView();  // no picture, no scroll bars; the undo steps go too

    // Shows the picture from the scroll position.
    void UpdatePicture();
    // Sizes the view to the window and sets up the scroll bars for the picture, then shrinks the
    // view to a picture smaller than it.
    void LayOut();
    // The picture point under a point of the view.
    Point ToPicture(Point view) const;
    Size ViewSize() const { return {m_layout.view.width, m_layout.view.height}; }

    // Burns a change into the picture: `draw` works on a copy, which becomes the picture; the
    // pixels it replaced are kept for undo. The user is told when the system could not do it.
    void Commit(const std::function<void(IWorkingPicture&)>& draw);
    // Commit for a change made pixel by pixel: `change` gets the pixels of the part of a region
    // that lies on the picture, and where they lie.
    void CommitPixels(const Rect& region, const std::function<void(RgbImage&, Point at)>& change);
    // The region becomes the picture; the whole picture before is kept for undo.
    void Crop(const Rect& region);
    void Undo();
    void ClearUndo();
    std::size_t UndoCount() const { return m_undo.Count(); }
    // The button that is enabled while there is something to undo.
    void SetUndoButton(ControlId button);

    // A tool's button: chooses the tool, or, pressed again, asks it whether it is left. Another
    // tool that is active is finished and left first.
    void OnToolButton(Tool& tool, ControlId button);
    void LeaveTool();
    void FinishTool();  // see Tool::Finish
    const Tool* ActiveTool() const { return m_active; }
    void OnMouseDown(Point view);
    void OnMouseMove(Point view);
    void OnMouseUp(Point view);
    // The active tool hears keys first; Escape then leaves it. True when the key was used.
    bool OnKey(const KeyPress& key);
    bool OnCharacter(char32_t character);
    // A choice in one of the active tool's own controls.
    void OnToolControl(ControlId control);
    // Shows the active tool's marks anew, after something else than the mouse changed them.
    void ShowPreview();
    // The drawing colour, shown on its button.
    void SetColour(Colour colour);
    // Tells the active tool that the colour or strength changed.
    void OnStyleChanged();

    bool changed = false;
    int language = 0;  // the user's, for the core's notices
    DrawingStyle style;

    IForm& form;
    IEditorWindow& window;
    IPictureTools& pictures;

private:
    void ShowUndoState();
    void ShowToolControls(const Tool& tool, bool shown);
    // A view point moved where needed so that it lies on the picture: a drag may end outside the view.
    Point OnPicture(Point view) const;
    PicturePtr UndoneFrom(UndoStep& step);
    void TellFailure();

    PicturePtr m_picture;
    ViewLayout m_layout;
    UndoStack m_undo;
    ControlId m_undoButton = -1;
    Tool* m_active = nullptr;
    ControlId m_activeButton = -1;
    std::optional<Point> m_mouse;  // where the active tool last heard the mouse
    bool m_pressed = false;
    Point m_pressedAt;
    Preview m_preview;
};

}  // namespace snapwright
