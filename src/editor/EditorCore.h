#pragma once
#include <functional>
#include <optional>
#include <string>

#include "editor/EditorControls.h"
#include "editor/EditorPorts.h"
#include "editor/MarkSelection.h"
#include "editor/MarkedPicture.h"
#include "editor/Preview.h"
#include "editor/ScrollLayout.h"
#include "editor/TextRasteriser.h"
#include "editor/Tool.h"

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

// What the editor's parts share: the picture and the marks over it (one undo history of both), the
// view that shows them scrolled, the selected mark, the drawing style, whether the picture changed
// since it was last saved, and the active tool with the mouse and keys it hears. With no tool
// chosen, the mouse and keys work on the marks: a press selects, a drag moves or resizes, arrow
// keys nudge, Delete removes, a double click on a text edits it in place.
class EditorCore {
public:
    EditorCore(IForm& form, IEditorWindow& window, IPictureTools& pictures, ITextRasteriser& glyphs);

    // Starts afresh with a picture (null: an empty view), as the editor opens.
    void Reset(PicturePtr picture);

    bool HasPicture() const { return m_hasPicture; }
    Size PictureSize() const;
    // The picture with its marks painted in, as every hand-off gets it: made when asked after a
    // change, then kept; null without a picture, or when the system made none.
    PicturePtr Picture();
    // The picture last made of it (the one opened, or handed on), while nothing changed since.
    const PicturePtr& LastPicture() const { return m_made; }
    // A new picture without marks and without undo steps, shown from its top-left corner.
    void ReplacePicture(PicturePtr picture);
    void ClearView();  // no picture, no scroll bars; the marks and undo steps go too

    const MarkedPicture& Marked() const { return m_marked; }
    const MarkSelection& Selection() const { return m_selection; }
    ITextRasteriser& Glyphs() { return m_glyphs; }

    // Shows the picture from the scroll position.
    void UpdatePicture();
    // Sizes the view to the window and sets up the scroll bars for the picture, then shrinks the
    // view to a picture smaller than it.
    void LayOut();
    // The picture point under a point of the view, and the view point over a point of the picture.
    Point ToPicture(Point view) const;
    Point ToView(Point picture) const;
    Size ViewSize() const { return {m_layout.view.width, m_layout.view.height}; }

    // Burns a change into the picture's pixels (under the marks): `draw` works on a copy of them;
    // the pixels it replaced are kept for undo. The user is told when the system could not do it.
    void Commit(const std::function<void(IWorkingPicture&)>& draw);
    // The region becomes the picture; the marks keep their place on it.
    void Crop(const Rect& region);
    // A mark drawn goes on top of the others, one change, and stays selected.
    void AddMark(std::unique_ptr<Mark> mark);
    void Undo();
    void ClearUndo();
    std::size_t UndoCount() const { return m_marked.UndoCount(); }
    // The button that is enabled while there is something to undo.
    void SetUndoButton(ControlId button);

    // A tool's button: chooses the tool, or, pressed again, asks it whether it is left. Another
    // tool that is active is finished and left first.
    void OnToolButton(Tool& tool, ControlId button);
    void LeaveTool();
    void FinishTool();  // see Tool::Finish; a text edited in place goes in too
    const Tool* ActiveTool() const { return m_active; }
    void OnMouseDown(Point view);
    void OnMouseMove(Point view);
    void OnMouseUp(Point view);
    // With no tool chosen a double click on a text edits it in place.
    void OnDoubleClick(Point view);
    // The active tool hears keys first; Escape then leaves it. Without a tool, or when the tool
    // does not use them, the keys work on the selected mark. True when the key was used.
    bool OnKey(const KeyPress& key);
    bool OnCharacter(char32_t character);
    // A choice in one of the active tool's own controls.
    void OnToolControl(ControlId control);
    // Shows the active tool's marks and the selection's handles anew.
    void ShowPreview();
    // The drawing colour, shown on its button.
    void SetColour(Colour colour);
    // The colour or strength chosen by the user: the next marks take it, and so does the
    // selected mark, as one change.
    void ChooseColour(Colour colour);
    void ChooseStrength(int strength);
    // A text size chosen: the selected text takes it, as one change; true when there was one.
    bool ChooseTextSize(int pixelHeight);
    // Tells the active tool that the colour or strength changed.
    void OnStyleChanged();

    bool changed = false;
    int language = 0;  // the user's, for the core's notices
    DrawingStyle style;

    IForm& form;
    IEditorWindow& window;
    IPictureTools& pictures;

private:
    // Shows what changed in the picture and its marks: the parts whose looks changed, the whole
    // picture when its size changed; the undo button and the handles follow.
    void ShowChanges();
    // The marks were changed by the user: the picture counts as changed.
    void Changed();
    void ShowUndoState();
    void ShowToolControls(const Tool& tool, bool shown);
    // A view point moved where needed so that it lies on the picture: a drag may end outside the view.
    Point OnPicture(Point view) const;
    void TellFailure();
    void EndTextEdit(bool keep);

    MarkedPicture m_marked;
    MarkSelection m_selection{m_marked};
    ITextRasteriser& m_glyphs;
    bool m_hasPicture = false;
    PicturePtr m_made;  // of the picture as it is now, while nothing changed since it was made
    PicturePtr m_view;  // what the view was last given whole; the changed parts follow it
    ViewLayout m_layout;
    ControlId m_undoButton = -1;
    Tool* m_active = nullptr;
    ControlId m_activeButton = -1;
    std::optional<Point> m_mouse;  // where the active tool last heard the mouse
    bool m_pressed = false;
    bool m_selecting = false;  // the press went to the selection
    Point m_pressedAt;
    bool m_editingText = false;
    std::size_t m_changesSeen = 0;  // of the marked picture, when the user's change was last noted
    Preview m_preview;
};

}  // namespace snapwright
