#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/Form.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"

namespace snapwright {

// Drawing in pixels, on a picture being changed or on the editor's view. Outlines are one pixel
// wide; a rectangle's outline runs through both given corners.
class IDrawing {
public:
    virtual ~IDrawing() = default;
    virtual void Line(Point from, Point to, Colour colour) = 0;
    virtual void Rectangle(Point corner, Point oppositeCorner, Colour colour) = 0;
    // The outline of the ellipse with this centre and these semi-axes.
    virtual void Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) = 0;
    // The whole picture, stretched to the destination.
    virtual void StretchPicture(const Picture& picture, const Rect& destination) = 0;
};

// A copy of a picture that is drawn on and copied out again as a new picture.
class IWorkingPicture : public IDrawing {
public:
    // A copy of a region; null when the system made none.
    virtual PicturePtr CopyOut(const Rect& region) = 0;
};

enum class EditorAnswer { Yes, No, Cancel };
enum class EditorQuestion { YesNo, YesNoCancel };

// The editor's window as its presenter sees it beyond the generic form (texts, visibility, enabled
// state, the strength list, showing and unloading): the view with its persistent picture and its
// temporary markers, the layout, the scroll bars, the toolbar's pressed buttons, the drawing
// colour and the message boxes. The editor is laid out in pixels, the unit of its pictures.
class IEditorWindow {
public:
    virtual ~IEditorWindow() = default;
    virtual WindowRef Handle() = 0;

    // The view's persistent picture (null: an empty view) and its repaint from an offset, which
    // takes every marker away.
    virtual void SetViewPicture(PicturePtr picture) = 0;
    virtual void PaintView(Point offset) = 0;
    virtual IDrawing& ViewMarkers() = 0;
    // What the view shows in a region; null when the system made no copy.
    virtual PicturePtr CopyFromView(const Rect& region) = 0;
    virtual std::unique_ptr<IWorkingPicture> WorkOn(const Picture& picture) = 0;

    virtual Size ClientSize() const = 0;
    virtual Rect ControlBounds(ControlId control) const = 0;
    virtual void SetControlBounds(ControlId control, const Rect& bounds) = 0;
    virtual int ScrollBarThickness() const = 0;
    virtual void SetScrollMaximum(ControlId bar, int maximum) = 0;  // the bars hold 0 at least
    virtual int ScrollValue(ControlId bar) const = 0;
    virtual void SetScrollValue(ControlId bar, int value) = 0;

    virtual void SetButtonPressed(ControlId button, bool pressed) = 0;
    virtual Colour ButtonColour(ControlId button) const = 0;
    virtual void SetButtonColour(ControlId button, Colour colour) = 0;
    // The system's colour dialog; nothing when the user cancels.
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;

    virtual EditorAnswer Ask(const std::string& text, const std::string& title, EditorQuestion question) = 0;
    virtual void Inform(const std::string& text, const std::string& title) = 0;
};

}  // namespace snapwright
