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
#include "print/Hardcopy.h"
#include "save/ImageLoad.h"
#include "settings/Settings.h"
#include "ui/HelpFile.h"

namespace snapwright {

inline constexpr const char* kEditorCaption = "Snapwright ScreenshotEditor";

// The screenshot editor: shows the current screenshot at its own size, scrolls over larger ones,
// edits it with four tools and an undo stack, and hands the result to the save dialog, the
// printed page, the clipboard and the office programs. The picture it hands on becomes the
// current screenshot, which it opens on next time.
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
        // The save dialog for the picture; true when a file was written.
        std::function<bool(PicturePtr)> startSaveAs;
        std::function<PageOutcome(PicturePtr)> printHardcopy;
        std::function<bool(PicturePtr)> copyToClipboard;
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
    void LoadNewPicture(PicturePtr picture);
    void OnOpen();
    void OnSave();
    void OnPrint();
    void OnCopy();
    void OnSend(OfficeProgram program);
    void OnColourButton();
    // The picture to hand on, now the current screenshot; null, and the user told, when there is none.
    PicturePtr PictureToHandOn();
    bool Save();
    bool SaveEdits();
    bool HasUnsavedEdits() const;
    // Asks before unsaved edits go (No saves them first); false keeps them.
    bool MayDiscard(const char* title);
    void ShowOfficeButtons();

    Ports m_ports;
    EditorCore m_core;
    CropTool m_crop;
    ZoomTool m_zoom;
    ShapeTool m_shapes;
    std::function<PicturePtr()> m_takeRegion;
};

}  // namespace snapwright
