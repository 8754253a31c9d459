#pragma once
// The editor's window for host tests: every drawing, on the view or on a working copy, lands in
// one log as text; pictures are FakePictures, made with the size of the region copied out.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/EditorControls.h"
#include "editor/EditorPorts.h"
#include "fakes/FakePorts.h"

namespace snapwright::fakes {

class FakeEditorWindow : public IEditorWindow {
public:
    class Drawing : public IWorkingPicture {
    public:
        Drawing(FakeEditorWindow& owner, std::string name) : m_owner(owner), m_name(std::move(name)) {}
        void Line(Point a, Point b, Colour c) override { Log("line", a, b, c); }
        void Rectangle(Point a, Point b, Colour c) override { Log("rect", a, b, c); }
        void Ellipse(double, double, double, double, Colour) override { m_owner.log.push_back(m_name + " ellipse"); }
        void StretchPicture(const Picture&, const Rect&) override { m_owner.log.push_back(m_name + " picture"); }
        PicturePtr CopyOut(const Rect& r) override { return m_owner.Copy(m_name, r); }

    private:
        void Log(const char* what, Point a, Point b, Colour c) {
            m_owner.log.push_back(m_name + " " + what + " " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                                  std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(c));
        }
        FakeEditorWindow& m_owner;
        std::string m_name;
    };

    WindowRef Handle() override { return 1; }
    void SetViewPicture(PicturePtr) override {}
    void PaintView(Point offset) override {
        log.push_back("paint " + std::to_string(offset.x) + "," + std::to_string(offset.y));
    }
    IDrawing& ViewMarkers() override { return m_view; }
    PicturePtr CopyFromView(const Rect& region) override { return Copy("view", region); }
    std::unique_ptr<IWorkingPicture> WorkOn(const Picture& picture) override {
        const auto* fake = dynamic_cast<const FakePicture*>(&picture);
        log.push_back("work on " + std::to_string(fake ? fake->serial : 0));
        return std::make_unique<Drawing>(*this, "work");
    }
    Size ClientSize() const override { return client; }
    Rect ControlBounds(ControlId c) const override { return bounds.count(c) ? bounds.at(c) : Rect{}; }
    void SetControlBounds(ControlId c, const Rect& r) override { bounds[c] = r; }
    int ScrollBarThickness() const override { return 20; }
    void SetScrollMaximum(ControlId bar, int m) override { value[bar] = std::min(value[bar], std::max(0, m)); }
    int ScrollValue(ControlId bar) const override { return value.count(bar) ? value.at(bar) : 0; }
    void SetScrollValue(ControlId bar, int v) override { value[bar] = v; }
    void SetButtonPressed(ControlId, bool) override {}
    Colour ButtonColour(ControlId) const override { return colour; }
    void SetButtonColour(ControlId, Colour c) override { colour = c; }
    std::optional<Colour> ChooseColour(Colour) override { return std::nullopt; }
    EditorAnswer Ask(const std::string& text, const std::string&, EditorQuestion) override {
        questions.push_back(text);
        const EditorAnswer answer = answers.empty() ? EditorAnswer::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void Inform(const std::string& text, const std::string&) override { informed.push_back(text); }

    // Lines of the log that start with a prefix ("view", "work", "paint", ...).
    std::vector<std::string> Logged(const std::string& prefix) const {
        std::vector<std::string> lines;
        for (const std::string& line : log) {
            if (line.rfind(prefix, 0) == 0) lines.push_back(line);
        }
        return lines;
    }

    std::vector<std::string> log;
    const Size client{1000, 700};
    std::map<ControlId, Rect> bounds{{Id(EditorControl::View), {0, 40, 0, 0}}};
    std::map<ControlId, int> value;
    Colour colour = 0x0000FF;
    std::deque<EditorAnswer> answers;
    std::vector<std::string> questions, informed;
    int copies = 0;

private:
    PicturePtr Copy(const std::string& from, const Rect& r) {
        log.push_back(from + " copy " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                      std::to_string(r.width) + "x" + std::to_string(r.height));
        return std::make_shared<FakePicture>(r.width, r.height, 1000 + ++copies);
    }
    Drawing m_view{*this, "view"};
};

}  // namespace snapwright::fakes
