#pragma once
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/Editor.h"
#include "editor/TextMark.h"
#include "fakes/FakeAutomation.h"
#include "fakes/FakeEditorWindow.h"
#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeTextRasteriser.h"

namespace snapwright {

// An editor on fakes; the view sits at (0, 40) in a 1000 x 700 client area with 20-pixel scroll
// bars, so it is 980 x 640 pixels before it shrinks to a smaller picture.
class EditorTest : public ::testing::Test, protected fakes::FakeSending {
protected:
    EditorTest() { language = [this] { return settings.Language; }; }
    // A capture of this size as the current screenshot, and the editor opened on it.
    void OpenOn(int width, int height) {
        currentShot.Set(std::make_shared<fakes::FakePicture>(width, height, 1));
        editor.OnLoad();
    }
    // The toolbar button of this English name.
    std::size_t ToolbarIndex(const std::string& name) const {
        for (std::size_t i = 0; i < editor.Toolbar().size(); ++i) {
            if (editor.Toolbar()[i].Name(0) == name) return i;
        }
        ADD_FAILURE() << "no button " << name;
        return 0;
    }
    ControlId Button(const std::string& name) const { return ToolbarControl(ToolbarIndex(name)); }
    void Click(const std::string& button) { editor.OnClick(Button(button)); }
    bool Pressed(const std::string& button) { return window.pressed[Button(button)]; }
    // The open dialog, with the editor's title and filter, answers with this file.
    void WillOpen(const std::string& path, const std::string& title = "Open Screenshot file") {
        EXPECT_CALL(dialogs, ShowOpenDialog(::testing::HasSubstr("Portable Network Graphics (*.png)|*.png"), title, ""))
            .WillOnce(::testing::Return(path));
    }
    // A click on the view.
    void Press(Point view) {
        editor.OnMouseDown(view);
        editor.OnMouseUp(view);
    }
    void Drag(Point from, Point to) {
        editor.OnMouseDown(from);
        editor.OnMouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2});
        editor.OnMouseMove(to);
        editor.OnMouseUp(to);
    }
    // One change to the picture: a frame around (10,10)-(50,50).
    void DrawFrame() {
        Click("Frame");
        Press({10, 10});
        Press({50, 50});
    }
    const EditorCore& Core() const { return editor.Core(); }
    Size PictureSize() const { return Core().PictureSize(); }
    // The texts among the marks, as "x,y height: text".
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        const Scene& marks = Core().Marked().Marks();
        for (std::size_t i = 0; i < marks.Count(); ++i) {
            if (const auto* text = dynamic_cast<const TextMark*>(&marks.At(i))) {
                texts.push_back(fakes::FakeEditorWindow::Noted({text->Box().left, text->Box().top}, text->PixelHeight()) +
                                text->Text());
            }
        }
        return texts;
    }
    int Serial() const { return fakes::SerialOf(Core().LastPicture()); }
    // The picture as it is handed on, with its marks.
    RgbImage Pixels() const { return Core().Marked().Flatten(); }
    // A picture handed on to a destination, noted by its serial.
    void HandOn(const char* destination, const PicturePtr& picture) {
        handedOn.push_back(destination + (" " + std::to_string(fakes::SerialOf(picture))));
    }

    FakeForm form;
    fakes::FakeEditorWindow window;
    Settings settings;
    CurrentShot currentShot;
    ::testing::NiceMock<fakes::MockFileDialogs> dialogs;
    fakes::FakeShell shell;
    fakes::FakeFileSystem files;
    HelpFile help{shell, files, messages};
    std::vector<std::string> handedOn;  // what the destinations received, by picture serial
    bool saveWrites = true;
    LoadedPicture fileContents;
    fakes::FakeTextRasteriser glyphs;
    Editor editor{{form, window, window, glyphs, windows, settings, currentShot, messages, dialogs, help, sender,
                   [this](const std::string& path) {
                       handedOn.push_back("load " + path);
                       return fileContents;
                   },
                   [this](PicturePtr picture) { HandOn("save", picture); return saveWrites; },
                   [this](PicturePtr picture) { HandOn("print", picture); return PageOutcome::Printed; },
                   [this](PicturePtr picture) { HandOn("copy", picture); return true; }}};
};

}  // namespace snapwright
