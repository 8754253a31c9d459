#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/RgbImage.h"
#include "platform/Form.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"

namespace snapwright {

// Drawing in pixels, on a picture being changed or over the editor's view. Outlines are one pixel
// wide; a rectangle's outline runs through both given corners.
class IDrawing {
public:
    virtual ~IDrawing() = default;
    virtual void Line(Point from, Point to, Colour colour) = 0;
    virtual void Rectangle(Point corner, Point oppositeCorner, Colour colour) = 0;
    // The outline of the ellipse with this centre and these semi-axes.
    virtual void Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) = 0;
    // The whole picture, stretched to the destination.
    virtual void StretchPicture(const PicturePtr& picture, const Rect& destination) = 0;
};

// A copy of a picture that is drawn on, worked on pixel by pixel, and copied out as a new picture.
class IWorkingPicture : public IDrawing {
public:
    // The pixels of the part of a region that lies on the picture.
    virtual RgbImage ReadPixels(const Rect& region) = 0;
    // Pixels put on the picture with their top-left corner at a point; what falls outside is left out.
    virtual void WritePixels(const RgbImage& pixels, Point at) = 0;
    // A copy of a region; null when the system made none.
    virtual PicturePtr CopyOut(const Rect& region) = 0;
    // Text (UTF-8, lines apart at line breaks) in the system's UI face, its characters
    // `pixelHeight` pixels high, smoothed without colour fringes, from its top-left corner at a
    // point, its lines wrapped between words at a width (0: not wrapped); the area it drew on.
    virtual Rect Text(Point at, const std::string& text, Colour colour, int pixelHeight, int wrapWidth) = 0;
};

// Pictures made and read pixel by pixel.
class IPictureTools {
public:
    virtual ~IPictureTools() = default;
    virtual std::unique_ptr<IWorkingPicture> WorkOn(const Picture& picture) = 0;
    // The pixels of the part of a region that lies on a picture; empty when the system could not
    // read them.
    virtual RgbImage PixelsOf(const Picture& picture, const Rect& region) = 0;
    // A picture of these pixels; null when the system made none.
    virtual PicturePtr PictureOf(const RgbImage& pixels) = 0;
};

class Preview;

// Pixels of the picture with their top-left pixel at a point of it.
struct PlacedPixels {
    RgbImage pixels;
    Point at;
};

enum class EditorAnswer { Yes, No, Cancel };
enum class EditorQuestion { YesNo, YesNoCancel };

// The editor's window as its presenter sees it beyond the generic form (texts, visibility, enabled
// state, the strength list, showing and unloading): the view with its picture and the preview over
// it, the layout, the scroll bars, the toolbar's pressed buttons, the colour button and the message
// boxes. The editor is laid out in pixels, the unit of its pictures.
class IEditorWindow {
public:
    virtual ~IEditorWindow() = default;
    virtual WindowRef Handle() = 0;

    // The picture the view shows (null: an empty view), from an offset in the picture. The same
    // picture again keeps the changes made to it since.
    virtual void ShowPicture(PicturePtr picture, Point offset) = 0;
    // Parts of the picture the view shows changed, each at its place: the view shows them from now
    // on (the picture given stays as it was), all painted again at once.
    virtual void ChangePicture(const std::vector<PlacedPixels>& parts) = 0;
    // What the view shows over the picture from now on; only the changed areas are painted again.
    virtual void ShowPreview(const Preview& preview, const std::vector<Rect>& changed) = 0;
    // What the view shows in a region without the preview; null when the system made no copy.
    virtual PicturePtr CopyFromView(const Rect& region) = 0;

    virtual Size ClientSize() const = 0;
    virtual Rect ControlBounds(ControlId control) const = 0;
    virtual void SetControlBounds(ControlId control, const Rect& bounds) = 0;
    virtual int ScrollBarThickness() const = 0;
    virtual void SetScrollMaximum(ControlId bar, int maximum) = 0;  // the bars hold 0 at least
    virtual int ScrollValue(ControlId bar) const = 0;
    virtual void SetScrollValue(ControlId bar, int value) = 0;

    virtual void SetButtonPressed(ControlId button, bool pressed) = 0;
    // A control's tooltip; an empty one shows none.
    virtual void SetTip(ControlId control, const std::string& tip) = 0;
    // The face and size in points of the toolbar's texts; the toolbar is laid out anew around them.
    virtual void SetTextFont(const std::string& face, int points) = 0;
    // Whether Shift was held at the last press or release of a mouse button on the view.
    virtual bool ShiftHeld() const = 0;

    // A field over the view where text is typed in place, in a box of the view, in the colour and
    // size in which it goes into the picture (as Text draws it, wrapped at the box's width unless
    // that is 0), holding a text to start from; a field that is open takes the new look and keeps
    // its text.
    virtual void BeginText(const Rect& box, Colour colour, int pixelHeight, const std::string& text) = 0;
    // The field goes; what was typed in it (UTF-8, lines apart at line breaks).
    virtual std::string EndText() = 0;
    virtual void ShowColour(ControlId button, Colour colour) = 0;
    // The system's colour dialog; nothing when the user cancels.
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;

    virtual EditorAnswer Ask(const std::string& text, const std::string& title, EditorQuestion question) = 0;
    virtual void Inform(const std::string& text, const std::string& title) = 0;
};

}  // namespace snapwright
