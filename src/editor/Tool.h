#pragma once
#include <vector>

#include "editor/EditorPorts.h"
#include "platform/KeyPress.h"

namespace snapwright {

// A tool of the editor. Its toolbar button chooses it; from then on it hears the view's mouse and
// the editor's keys until it is left (by its button, by Escape, or by itself when its work is done),
// shows its marks over the picture through its preview, and changes the picture through the core
// (EditorCore::AddMark, EditorCore::Commit, EditorCore::Crop). One tool is active at a time. Points are in view
// coordinates, kept on the picture.
class Tool {
public:
    virtual ~Tool() = default;

    // Chosen: it starts afresh.
    virtual void OnActivate() {}
    // Left: whatever it had begun is forgotten.
    virtual void OnDeactivate() {}
    // The picture is about to leave the editor: work under way goes into it first.
    virtual void Finish() {}
    // Its button pressed again while it is active: true leaves it.
    virtual bool OnButtonAgain() { return true; }
    // Whether it has nothing under way (no first corner, no text being typed): a press on the
    // selected mark or its handles then goes to the selection.
    virtual bool Idle() const { return true; }

    virtual void OnMouseDown(Point) {}
    // `pressed`: a mouse button is held, the mouse is dragged.
    virtual void OnMouseMove(Point, bool /*pressed*/) {}
    // `dragged`: the mouse went further from where it was pressed than a click allows.
    virtual void OnMouseUp(Point, bool /*dragged*/) {}
    // A key or a typed character; true when the tool used it. Escape leaves a tool that does not.
    virtual bool OnKey(const KeyPress&) { return false; }
    virtual bool OnCharacter(char32_t) { return false; }

    // The controls that the toolbar shows in the strength list's place while the tool is active,
    // and a choice made in one of them.
    virtual std::vector<ControlId> OwnControls() const { return {}; }
    virtual void OnControl(ControlId, int /*listIndex*/) {}
    // The colour or strength was chosen anew while the tool is active.
    virtual void OnStyleChanged() {}

    // Whether the cross-hair follows the mouse; what else shows over the picture, the mouse at a point.
    virtual bool ShowsCrossHair() const { return true; }
    virtual void DrawPreview(IDrawing&, Point /*mouse*/) const {}
};

}  // namespace snapwright
