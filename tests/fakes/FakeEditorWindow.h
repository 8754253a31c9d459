#pragma once
// The editor's window and picture tools for host tests. Working copies hold real pixels: lines
// and rectangles are drawn pixel by pixel and a stretched picture is sampled, as the zoom's inset
// draws; ellipses and text are marks, which no working copy draws on the host.
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/EditorControls.h"
#include "editor/EditorPorts.h"
#include "editor/Preview.h"
#include "fakes/FakePorts.h"

namespace snapwright::fakes {

// A picture of known pixels; a plain FakePicture's pixels follow from its serial.
class PixelPicture : public FakePicture {
public:
    PixelPicture(RgbImage image, int serial)
        : FakePicture(image.Width(), image.Height(), serial), pixels(std::move(image)) {}
    RgbImage pixels;
};

inline RgbImage PixelsOf(const Picture& picture) {
    if (const auto* known = dynamic_cast<const PixelPicture*>(&picture)) return known->pixels;
    const auto* fake = dynamic_cast<const FakePicture*>(&picture);
    RgbImage image(picture.Width(), picture.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            image.Set(x, y, static_cast<Colour>(x * 7 + y * 131 + (fake ? fake->serial : 0) * 9973) & 0xFFFFFF);
        }
    }
    return image;
}

class FakeEditorWindow : public IEditorWindow, public IPictureTools {
public:
    class Working : public IWorkingPicture {
    public:
        Working(FakeEditorWindow& owner, RgbImage pixels) : m_owner(owner), m_pixels(std::move(pixels)) {}
        void Line(Point a, Point b, Colour c) override {
            const int steps = std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), 1});
            for (int i = 0; i <= steps; ++i) Set(a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps, c);
        }
        void Rectangle(Point a, Point b, Colour c) override {
            for (const auto& [from, to] : {std::pair{a, Point{b.x, a.y}}, {a, {a.x, b.y}}, {b, {b.x, a.y}}, {b, {a.x, b.y}}}) {
                Line(from, to, c);
            }
        }
        void Ellipse(double, double, double, double, Colour) override {}
        void StretchPicture(const PicturePtr& picture, const Rect& to) override {
            const RgbImage source = fakes::PixelsOf(*picture);
            for (int y = 0; y < to.height; ++y) {
                for (int x = 0; x < to.width; ++x) {
                    Set(to.left + x, to.top + y, source.At(x * source.Width() / to.width, y * source.Height() / to.height));
                }
            }
        }
        RgbImage ReadPixels(const Rect& region) override { return m_pixels.Copy(region); }
        void WritePixels(const RgbImage& pixels, Point at) override { m_pixels.Paste(pixels, at); }
        PicturePtr CopyOut(const Rect& r) override {
            return std::make_shared<PixelPicture>(m_pixels.Copy(r), 1000 + ++m_owner.copies);
        }
        Rect Text(Point at, const std::string&, Colour, int, int) override { return {at.x, at.y, 0, 0}; }

    private:
        void Set(int x, int y, Colour c) {
            if (x >= 0 && y >= 0 && x < m_pixels.Width() && y < m_pixels.Height()) m_pixels.Set(x, y, c);
        }
        FakeEditorWindow& m_owner;
        RgbImage m_pixels;
    };

    // IPictureTools
    std::unique_ptr<IWorkingPicture> WorkOn(const Picture& picture) override {
        return std::make_unique<Working>(*this, fakes::PixelsOf(picture));
    }
    RgbImage PixelsOf(const Picture& picture, const Rect& region) override {
        return fakes::PixelsOf(picture).Copy(region);
    }
    PicturePtr PictureOf(const RgbImage& pixels) override {
        return std::make_shared<PixelPicture>(pixels, 2000 + ++copies);
    }

    // IEditorWindow
    WindowRef Handle() override { return 1; }
    // The view keeps its own copy of the picture, which the changes are painted into.
    void ShowPicture(PicturePtr picture, Point offset) override {
        if (picture != shown) shownPixels = picture ? fakes::PixelsOf(*picture) : RgbImage();
        shown = std::move(picture);
        shownFrom = offset;
    }
    void ChangePicture(const std::vector<PlacedPixels>& parts) override {
        for (const PlacedPixels& part : parts) {
            shownPixels.Paste(part.pixels, part.at);
            changedPixels += static_cast<std::size_t>(part.pixels.Width()) * static_cast<std::size_t>(part.pixels.Height());
        }
    }
    void ShowPreview(const Preview& next, const std::vector<Rect>& changed) override {
        preview = next;
        repainted = changed;
    }
    PicturePtr CopyFromView(const Rect& r) override {
        const RgbImage pixels = shownPixels.Copy({r.left + shownFrom.x, r.top + shownFrom.y, r.width, r.height});
        return std::make_shared<PixelPicture>(pixels, 1000 + ++copies);
    }
    Size ClientSize() const override { return client; }
    Rect ControlBounds(ControlId c) const override { return bounds.count(c) ? bounds.at(c) : Rect{}; }
    void SetControlBounds(ControlId c, const Rect& r) override { bounds[c] = r; }
    int ScrollBarThickness() const override { return 20; }
    void SetScrollMaximum(ControlId bar, int m) override { value[bar] = std::min(value[bar], std::max(0, m)); }
    int ScrollValue(ControlId bar) const override { return value.count(bar) ? value.at(bar) : 0; }
    void SetScrollValue(ControlId bar, int v) override { value[bar] = v; }
    void SetButtonPressed(ControlId button, bool on) override { pressed[button] = on; }
    void SetTip(ControlId control, const std::string& tip) override { tips[control] = tip; }
    void SetTextFont(const std::string& face, int points) override { textFont = face + " " + std::to_string(points); }
    bool ShiftHeld() const override { return false; }
    void BeginText(const Rect& box, Colour, int height, const std::string& text) override {
        if (field.empty()) typed = text;
        field = Noted({box.left, box.top}, height);
    }
    std::string EndText() override { return field.clear(), std::exchange(typed, std::string()); }
    void ShowColour(ControlId, Colour c) override { colour = c; }
    std::optional<Colour> ChooseColour(Colour) override { return chosenColour; }
    EditorAnswer Ask(const std::string& text, const std::string&, EditorQuestion) override {
        questions.push_back(text);
        const EditorAnswer answer = answers.empty() ? EditorAnswer::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void Inform(const std::string& text, const std::string&) override { informed.push_back(text); }

    // Text as "x,y height: text".
    static std::string Noted(Point at, int height) {
        return std::to_string(at.x) + "," + std::to_string(at.y) + " " + std::to_string(height) + ": ";
    }
    std::string field, typed;  // the open text field as noted, and what is typed in it

    const Size client{1000, 700};
    std::map<ControlId, Rect> bounds{{Id(EditorControl::View), {0, 40, 0, 0}}};
    std::map<ControlId, int> value;
    std::map<ControlId, bool> pressed;
    std::map<ControlId, std::string> tips;
    std::string textFont;  // "face points"
    PicturePtr shown;
    RgbImage shownPixels;  // what the view shows, without the preview
    std::size_t changedPixels = 0;
    Point shownFrom;
    Preview preview;
    std::vector<Rect> repainted;
    Colour colour = 0;
    std::optional<Colour> chosenColour;
    std::deque<EditorAnswer> answers;
    std::vector<std::string> questions, informed;
    int copies = 0;
};

}  // namespace snapwright::fakes
