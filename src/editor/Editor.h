#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "apps/OfficeSender.h"
#include "capture/CurrentShot.h"
#include "editor/EditorCore.h"
#include "editor/Toolbar.h"
#include "lang/UserText.h"
#include "model/Settings.h"
#include "platform/FileDialogs.h"
#include "platform/TopLevelWindows.h"
#include "platform/UserMessages.h"
#include "print/PageOutcome.h"
#include "save/ImageLoad.h"
#include "ui/HelpFile.h"

namespace snapwright {

inline constexpr const char* kEditorCaption = "Snapwright ScreenshotEditor";

// The screenshot editor: shows the current screenshot at its own size, scrolls over larger ones,
// edits it with its tools and an undo stack, and hands the result to the save dialog, the printed
// page, the clipboard and the office programs. The picture it hands on becomes the current
// screenshot, which it opens on next time. Its toolbar is a table: a new command or tool is one
// entry of it (Editor::Editor).
class Editor {
public:
    struct Ports {
        IForm& form;
        IEditorWindow& window;
        IPictureTools& pictures;
        ITopLevelWindows& windows;
        const Settings& settings;
        CurrentShot& currentShot;
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

    // The toolbar's buttons in their order; button i is the control ToolbarControl(i).
    const std::vector<ToolbarButton>& Toolbar() const { return m_toolbar; }

    void OnLoad();
    // The language chosen in the options was saved: an open editor speaks it at once.
    void OnLanguageChanged();
    // False keeps the window open (the user cancelled, or the save he asked for did not happen).
    bool OnClose();
    void OnScroll();
    void OnResize();  // the window changed its size
    void OnMouseDown(Point view) { m_core.OnMouseDown(view); }
    void OnMouseMove(Point view) { m_core.OnMouseMove(view); }
    void OnMouseUp(Point view) { m_core.OnMouseUp(view); }
    // A key pressed anywhere in the editor: the active tool's first, then the toolbar's shortcuts.
    // True when it was used.
    bool OnKey(const KeyPress& key);
    void OnCharacter(char32_t character) { m_core.OnCharacter(character); }
    // A toolbar button, the colour or help button, or a choice in a list.
    void OnClick(ControlId control);

    const EditorCore& Core() const { return m_core; }

private:
    void AddCommand(TextId name, TextId tip, ToolbarPicture picture, ToolbarGroup group, KeyPress key,
                    std::function<void()> command);
    void AddTool(TextId name, TextId tip, ToolbarPicture picture, KeyPress key, std::unique_ptr<Tool> tool);
    void ShowLanguage();
    void OnNew();
    void OnRegion();
    void LoadNewPicture(PicturePtr picture);
    void OnOpen();
    void OnSave();
    void OnPrint();
    void OnCopy();
    void OnSend(OfficeProgram program);
    void OnColourButton();
    void OnStrengthChosen();
    // The picture to hand on, now the current screenshot; null, and the user told, when there is none.
    PicturePtr PictureToHandOn();
    bool Save();
    bool SaveEdits();
    bool HasUnsavedEdits() const;
    // Asks before unsaved edits go (No saves them first); false keeps them.
    bool MayDiscard(TextId title);
    void ShowOfficeButtons();

    Ports m_ports;
    EditorCore m_core;
    std::vector<ToolbarButton> m_toolbar;
    std::vector<std::pair<OfficeProgram, ControlId>> m_officeButtons;
    std::function<PicturePtr()> m_takeRegion;
    bool m_open = false;  // from loading the window to closing it
};

}  // namespace snapwright
