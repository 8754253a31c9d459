#pragma once
#include <functional>
#include <string>

#include "apps/OfficeSender.h"
#include "capture/CaptureSlots.h"
#include "editor/CropTool.h"
#include "editor/EditorCore.h"
#include "editor/ShapeTool.h"
#include "editor/ZoomTool.h"
#include "platform/FileDialogs.h"
#include "platform/TopLevelWindows.h"
#include "platform/UserMessages.h"
#include "save/ImageLoad.h"
#include "settings/Settings.h"
#include "ui/HelpFile.h"

namespace snapwright {

inline constexpr const char* kEditorCaption = "Snapwright ScreenshotEditor";

// The screenshot editor: shows the current screenshot at its own size, scrolls over larger ones,
// edits it with four tools and an undo stack, and hands the result back to the current capture
// slot for saving, printing, the clipboard and the office programs.
class Editor {
public:
    struct Ports {
        IForm& form;
        IEditorWindow& window;
        ITopLevelWindows& windows;
        const Settings& settings;
        CaptureSlots& slots;
        IUserMessages& messages;
        IFileDialogs& dialogs;
        HelpFile& help;
        OfficeSender& sender;
        std::function<LoadedPicture(const std::string& path)> loadPicture;
        // The save dialog for the current screenshot; true when a file was written.
        std::function<bool()> startSaveAs;
        std::function<void()> printHardcopy;
        std::function<bool()> copyShotToClipboard;
    };

    explicit Editor(Ports ports);

    // Opens the editor on the current screenshot, or brings it to the front when it is open.
    void Show();
    void ShowModal();
    // Opens the editor on a new screenshot, the current one; an editor that is open takes it as a
    // new picture, once the user has let go of what was not saved, as New asks.
    void ShowPicture(PicturePtr picture);
    // What the Region button does: a region of the screen, taken with the editor out of the way;
    // null when the user cancelled.
    void SetRegionCapture(std::function<PicturePtr()> takeRegion) { m_takeRegion = std::move(takeRegion); }

    void OnLoad();
    // False keeps the window open (the user cancelled, or the save he asked for did not happen).
    bool OnClose();
    void OnScroll();
    void OnResize();  // the window changed its size
    void OnMouseDown(Point view);
    void OnMouseMove(Point view);
    void OnButton(EditorControl button);

    const EditorCore& Core() const { return m_core; }

private:
    void OnNew();
    void OnRegion();
    bool MayDiscard();
    void LoadNewPicture(PicturePtr picture);
    void OnOpen();
    void OnSave();
    void OnPrint();
    void OnCopy();
    void OnSend(OfficeProgram program);
    void OnColourButton();
    bool HandBack();
    bool SaveHandedBack();
    void ArrangeOfficeButtons();

    Ports m_ports;
    EditorCore m_core;
    CropTool m_crop;
    ZoomTool m_zoom;
    ShapeTool m_shapes;
    std::function<PicturePtr()> m_takeRegion;
};

}  // namespace snapwright
