#include "editor/Editor.h"

#include "editor/ArrowTool.h"
#include "editor/CropTool.h"
#include "editor/MarkTool.h"
#include "editor/ShapeTool.h"
#include "editor/TextTool.h"
#include "editor/ZoomTool.h"

namespace snapwright {

using enum EditorControl;

namespace {

constexpr int kStrengths = 10;

struct OfficeButton {
    OfficeProgram program;
    const char* name;
    const char* tip;
    const char* picture;
};

// Both suites' buttons stand in the same three places; only the configured suite's show.
constexpr OfficeButton kOfficeButtons[] = {
    {OfficeProgram::Word, "Word", "Send the picture to Microsoft Word", "TOOL_WORD"},
    {OfficeProgram::Excel, "Excel", "Send the picture to Microsoft Excel", "TOOL_EXCEL"},
    {OfficeProgram::PowerPoint, "PowerPoint", "Send the picture to Microsoft PowerPoint", "TOOL_POWERPOINT"},
    {OfficeProgram::Writer, "Writer", "Send the picture to Writer", "TOOL_WRITER"},
    {OfficeProgram::Calc, "Calc", "Send the picture to Calc", "TOOL_CALC"},
    {OfficeProgram::Impress, "Impress", "Send the picture to Impress", "TOOL_IMPRESS"},
};

constexpr const char* kOpenFilter =
    "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Portable Network Graphics (*.png)|*.png|Multiple Network Graphics "
    "(*.mng)|*.mng|TIFF (*.tif)|*.tif";

}  // namespace

// The toolbar, in its order. A command is a function of the editor; a tool is an object behind
// the Tool interface, which the button chooses.
Editor::Editor(Ports ports) : m_ports(std::move(ports)), m_core(m_ports.form, m_ports.window, m_ports.pictures) {
    using enum ToolbarGroup;
    AddCommand("New", "New: start with an empty picture", "TOOL_NEW", File, CtrlKey('N'), [this] { OnNew(); });
    AddCommand("Region", "Region: take a region of the screen as a new picture", "TOOL_REGION", File, {},
               [this] { OnRegion(); });
    AddCommand("Open", "Open an image file", "TOOL_OPEN", File, CtrlKey('O'), [this] { OnOpen(); });
    AddCommand("Save", "Save the picture", "TOOL_SAVE", File, CtrlKey('S'), [this] { OnSave(); });
    AddCommand("Print", "Print the picture", "TOOL_PRINT", File, CtrlKey('P'), [this] { OnPrint(); });
    AddCommand("Copy", "Copy the picture to the clipboard", "TOOL_COPY", File, CtrlKey('C'), [this] { OnCopy(); });
    for (const OfficeButton& button : kOfficeButtons) {
        m_officeButtons.emplace_back(button.program, ToolbarControl(m_toolbar.size()));
        AddCommand(button.name, button.tip, button.picture, Office, {},
                   [this, program = button.program] { OnSend(program); });
    }
    m_core.SetUndoButton(ToolbarControl(m_toolbar.size()));
    AddCommand("Undo", "Undo the last change", "TOOL_UNDO", Undo, CtrlKey('Z'), [this] { m_core.Undo(); });
    AddTool("Zoom", "Zoom: drag over a region or click two corners, then click where its enlargement goes",
            "TOOL_ZOOM", {}, std::make_unique<ZoomTool>(m_core));
    AddTool("Crop", "Crop: click where the nearest corner of the picture should move to", "TOOL_CROP", {},
            std::make_unique<CropTool>(m_core));
    AddTool("Frame", "Frame: drag from corner to corner, or click two opposite corners", "TOOL_FRAME", {},
            std::make_unique<ShapeTool>(m_core, ShapeKind::Frame));
    AddTool("Ellipse", "Ellipse: drag from corner to corner, or click two opposite corners", "TOOL_ELLIPSE", {},
            std::make_unique<ShapeTool>(m_core, ShapeKind::Ellipse));
    AddTool("Text", "Text: click or drag a box and type; Enter puts it in, Shift+Enter starts a line, Escape drops it",
            "TOOL_TEXT", {'T'}, std::make_unique<TextTool>(m_core));
    AddTool("Arrow", "Arrow: drag from its tail to its head", "TOOL_ARROW", {'A'}, std::make_unique<ArrowTool>(m_core));
    AddTool("Highlight", "Highlighter: drag over what should stand out", "TOOL_HIGHLIGHT", {'H'},
            std::make_unique<MarkTool>(m_core, MarkKind::Highlight));
    AddTool("Redact", "Redact: drag over what nobody may read; hold Shift when letting go to fill it solid",
            "TOOL_REDACT", {'R'}, std::make_unique<MarkTool>(m_core, MarkKind::Redact));
}

void Editor::AddCommand(std::string name, std::string tip, std::string picture, ToolbarGroup group, KeyPress key,
                        std::function<void()> command) {
    m_toolbar.push_back({std::move(name), std::move(tip), std::move(picture), group, key, std::move(command), nullptr});
}

void Editor::AddTool(std::string name, std::string tip, std::string picture, KeyPress key, std::unique_ptr<Tool> tool) {
    m_toolbar.push_back(
        {std::move(name), std::move(tip), std::move(picture), ToolbarGroup::Tools, key, nullptr, std::move(tool)});
}

void Editor::Show() {
    m_ports.form.Show();
}

void Editor::ShowModal() {
    m_ports.form.ShowModal();
}

// An editor that opens loads the current screenshot, which is this picture, by itself.
void Editor::ShowPicture(PicturePtr picture) {
    Show();
    if (m_core.Picture() != picture && MayDiscard(TextId::EditorNewFileCaption)) LoadNewPicture(std::move(picture));
}

// The editor works on the current screenshot; before the first capture its view stays empty.
void Editor::OnLoad() {
    IForm& form = m_ports.form;
    SetTaskbarButton(m_ports.windows, m_ports.window.Handle(), true);
    ShowOfficeButtons();
    form.ClearList(Id(StrengthList));
    for (int n = 1; n <= kStrengths; ++n) form.AddListItem(Id(StrengthList), std::to_string(n) + "px");
    form.SetListIndex(Id(StrengthList), 0);
    form.ClearList(Id(TextSizeList));
    for (int size : kTextSizes) form.AddListItem(Id(TextSizeList), std::to_string(size) + "px");
    form.SetListIndex(Id(TextSizeList), static_cast<int>(kDefaultTextSize));
    form.SetVisible(Id(TextSizeLabel), false);
    form.SetVisible(Id(TextSizeList), false);
    // A tool left behind gives back the colour it borrowed before the style starts afresh.
    m_core.LeaveTool();
    m_core.style = {};
    m_ports.window.ShowColour(Id(ColourButton), m_core.style.colour);
    m_core.Reset(m_ports.slots.Current());
}

void Editor::ShowOfficeButtons() {
    for (const auto& [program, button] : m_officeButtons) {
        m_ports.form.SetVisible(button, SuiteOf(program) == m_ports.settings.Office);
    }
}

// An empty editor (after New) has nothing to save and closes at once. Text still being typed counts
// as a change.
bool Editor::OnClose() {
    m_core.FinishTool();
    if (HasUnsavedEdits()) {
        const int language = m_ports.settings.Language;
        switch (m_ports.window.Ask(UserText(TextId::EditorSaveChangesQuestion, language),
                                   UserText(TextId::EditorQuitCaption, language), EditorQuestion::YesNoCancel)) {
            case EditorAnswer::Cancel: return false;
            case EditorAnswer::Yes:
                // The edits stay until they are in a file.
                if (!Save()) return false;
                break;
            case EditorAnswer::No: break;
        }
    }
    // Hidden, the window leaves the screen and the taskbar at once. Taking its taskbar button away
    // as on loading would show it again just before it is destroyed; under Wine without a window
    // manager each of its disappearances then leaves its invisible frame over the screen for up to
    // two seconds, swallowing clicks meant for the tray icon.
    m_ports.form.Hide();
    return true;
}

void Editor::OnScroll() {
    m_core.UpdatePicture();
}

void Editor::OnResize() {
    m_core.LayOut();
    m_core.UpdatePicture();
}

bool Editor::OnKey(const KeyPress& key) {
    if (m_core.OnKey(key)) return true;
    for (std::size_t i = 0; i < m_toolbar.size(); ++i) {
        if (m_toolbar[i].key.code != 0 && m_toolbar[i].key == key) {
            OnClick(ToolbarControl(i));
            return true;
        }
    }
    return false;
}

void Editor::OnClick(ControlId control) {
    if (control >= kFirstToolbarControl) {
        const auto index = static_cast<std::size_t>(control - kFirstToolbarControl);
        if (index >= m_toolbar.size()) return;
        ToolbarButton& button = m_toolbar[index];
        if (button.tool) {
            m_core.OnToolButton(*button.tool, control);
        } else if (button.command) {
            button.command();
        }
        return;
    }
    switch (static_cast<EditorControl>(control)) {
        case ColourButton: OnColourButton(); break;
        case HelpButton: m_ports.help.Open(); break;
        case StrengthList: OnStrengthChosen(); break;
        default: m_core.OnToolControl(control); break;
    }
}

// Text still being typed is part of what the user hands on.
PicturePtr Editor::PictureToHandOn() {
    m_core.FinishTool();
    PicturePtr picture = m_core.Picture();
    if (!picture) {
        m_ports.window.Inform("There is no picture in the editor to hand on.", kEditorCaption);
        return nullptr;
    }
    m_ports.slots.SetCurrent(picture);
    return picture;
}

bool Editor::Save() {
    const PicturePtr picture = PictureToHandOn();
    return picture && m_ports.startSaveAs(picture);
}

bool Editor::HasUnsavedEdits() const {
    return m_core.changed && m_core.Picture();
}

// Nothing is discarded unless the user says so or it was saved; text still being typed counts.
bool Editor::MayDiscard(TextId title) {
    m_core.FinishTool();
    const int language = m_ports.settings.Language;
    return !HasUnsavedEdits() ||
           m_ports.window.Ask(UserText(TextId::EditorDiscardQuestion, language), UserText(title, language),
                              EditorQuestion::YesNo) == EditorAnswer::Yes ||
           SaveEdits();
}

void Editor::OnNew() {
    if (!MayDiscard(TextId::EditorNewFileCaption)) return;
    m_core.ClearView();
}

// The editor keeps out of the picture while the region is drawn; a cancelled region leaves the
// picture as it was.
void Editor::OnRegion() {
    if (!m_takeRegion || !MayDiscard(TextId::EditorNewFileCaption)) return;
    PicturePtr region;
    {
        struct ShowAgain {
            IForm& form;
            ~ShowAgain() { form.Show(); }
        } showAgain{m_ports.form};
        m_ports.form.Hide();
        region = m_takeRegion();
    }
    if (region) LoadNewPicture(std::move(region));
}

// A screenshot just taken or a file just opened has nothing to save yet.
void Editor::LoadNewPicture(PicturePtr picture) {
    m_core.ClearUndo();
    m_ports.window.SetScrollValue(Id(HorizontalScroll), 0);
    m_ports.window.SetScrollValue(Id(VerticalScroll), 0);
    m_core.ReplacePicture(std::move(picture));
    m_core.changed = false;
    m_ports.slots.SetCurrent(m_core.Picture());
}

// Like New, Open asks before the edits go. The file is read before anything changes: one that is
// no picture leaves the editor as it was. A file just opened has no changes to ask about.
void Editor::OnOpen() {
    if (!MayDiscard(TextId::EditorOpenFileCaption)) return;
    const std::string path = m_ports.dialogs.ShowOpenDialog(kOpenFilter, "Open Screenshot file", "");
    if (path.empty()) return;
    LoadedPicture loaded = m_ports.loadPicture(path);
    if (!loaded.picture) {
        const int language = m_ports.settings.Language;
        m_ports.messages.ShowError(UserText(TextId::OpenFailedMessage, language,
                                            {{"file", path}, {"reason", UserText(loaded.reason, language)}}));
        return;
    }
    LoadNewPicture(std::move(loaded.picture));
}

void Editor::OnSave() {
    SaveEdits();
}

// Once the picture is in a file, its changes and undo pictures are forgotten.
bool Editor::SaveEdits() {
    if (!Save()) return false;
    m_core.ClearUndo();
    m_core.changed = false;
    return true;
}

// The picture is the page's next shot, as a print hotkey's would be: with two shots a page, the
// second press of Print or the next print hotkey completes the page. A page that waits says so,
// since nothing else would show that Print did anything.
void Editor::OnPrint() {
    const PicturePtr picture = PictureToHandOn();
    if (picture && m_ports.printHardcopy(picture) == PageOutcome::WaitsForNextShot) {
        m_ports.window.Inform("The page holds two screenshots: this picture is the first, and the page waits for "
                              "the second.\r\n\r\nPress Print again, or take a screenshot with Print Screen, and "
                              "the page is printed.",
                              "Snapwright");
    }
}

void Editor::OnCopy() {
    const PicturePtr picture = PictureToHandOn();
    if (picture && !m_ports.copyToClipboard(picture)) {
        m_ports.messages.ShowError("Snapwright could not put the picture on the clipboard.");
    }
}

void Editor::OnSend(OfficeProgram program) {
    if (const PicturePtr picture = PictureToHandOn()) m_ports.sender.Send(program, picture);
}

// The colour dialog opens without the colour it starts from; cancelled, it leaves the colour.
void Editor::OnColourButton() {
    if (const std::optional<Colour> chosen = m_ports.window.ChooseColour(m_core.style.colour)) {
        m_core.SetColour(*chosen);
        m_core.OnStyleChanged();
    }
}

// The list holds the strengths from 1px up, in order.
void Editor::OnStrengthChosen() {
    const int index = m_ports.form.ListIndex(Id(StrengthList));
    if (index < 0) return;
    m_core.style.strength = index + 1;
    m_core.OnStyleChanged();
}

}  // namespace snapwright
