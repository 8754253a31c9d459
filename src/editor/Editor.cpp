#include "editor/Editor.h"

#include "editor/ArrowTool.h"
#include "editor/CropTool.h"
#include "editor/MarkTool.h"
#include "editor/ShapeTool.h"
#include "editor/TextTool.h"
#include "editor/ZoomTool.h"
#include "lang/ApplyLanguage.h"
#include "lang/LanguageTable.h"

namespace snapwright {

using enum EditorControl;

namespace {

constexpr int kStrengths = 10;

// An office program's button bears the program's name in every language.
struct OfficeButton {
    OfficeProgram program;
    const char* name;
    const char* tipName;  // in "Send the picture to {program}"
    ToolbarPicture picture;
};

// Both suites' buttons stand in the same three places; only the configured suite's show.
constexpr OfficeButton kOfficeButtons[] = {
    {OfficeProgram::Word, "Word", "Microsoft Word", ToolbarPicture::Word},
    {OfficeProgram::Excel, "Excel", "Microsoft Excel", ToolbarPicture::Excel},
    {OfficeProgram::PowerPoint, "PowerPoint", "Microsoft PowerPoint", ToolbarPicture::PowerPoint},
    {OfficeProgram::Writer, "Writer", "Writer", ToolbarPicture::Writer},
    {OfficeProgram::Calc, "Calc", "Calc", ToolbarPicture::Calc},
    {OfficeProgram::Impress, "Impress", "Impress", ToolbarPicture::Impress},
};

constexpr const char* kOpenFilter =
    "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Portable Network Graphics (*.png)|*.png|Multiple Network Graphics "
    "(*.mng)|*.mng|TIFF (*.tif)|*.tif";

}  // namespace

// The toolbar, in its order. A command is a function of the editor; a tool is an object behind
// the Tool interface, which the button chooses. Each button has its name and tip in every language.
Editor::Editor(Ports ports) : m_ports(std::move(ports)), m_core(m_ports.form, m_ports.window, m_ports.pictures) {
    using enum ToolbarGroup;
    using enum TextId;
    AddCommand(EditorNewButton, EditorNewTip, ToolbarPicture::New, File, CtrlKey('N'), [this] { OnNew(); });
    AddCommand(EditorRegionButton, EditorRegionTip, ToolbarPicture::Region, File, {}, [this] { OnRegion(); });
    AddCommand(EditorOpenButton, EditorOpenTip, ToolbarPicture::Open, File, CtrlKey('O'), [this] { OnOpen(); });
    AddCommand(EditorSaveButton, EditorSaveTip, ToolbarPicture::Save, File, CtrlKey('S'), [this] { OnSave(); });
    AddCommand(EditorPrintButton, EditorPrintTip, ToolbarPicture::Print, File, CtrlKey('P'), [this] { OnPrint(); });
    AddCommand(EditorCopyButton, EditorCopyTip, ToolbarPicture::Copy, File, CtrlKey('C'), [this] { OnCopy(); });
    for (const OfficeButton& button : kOfficeButtons) {
        m_officeButtons.emplace_back(button.program, ToolbarControl(m_toolbar.size()));
        AddCommand(kNoText, EditorSendTip, button.picture, Office, {}, [this, program = button.program] { OnSend(program); });
        m_toolbar.back().ownName = button.name;
        m_toolbar.back().tip.values = {{"program", button.tipName}};
    }
    m_core.SetUndoButton(ToolbarControl(m_toolbar.size()));
    AddCommand(EditorUndoButton, EditorUndoTip, ToolbarPicture::Undo, Undo, CtrlKey('Z'), [this] { m_core.Undo(); });
    AddTool(EditorZoomButton, EditorZoomTip, ToolbarPicture::Zoom, {}, std::make_unique<ZoomTool>(m_core));
    AddTool(EditorCropButton, EditorCropTip, ToolbarPicture::Crop, {}, std::make_unique<CropTool>(m_core));
    AddTool(EditorFrameButton, EditorFrameTip, ToolbarPicture::Frame, {}, std::make_unique<ShapeTool>(m_core, ShapeKind::Frame));
    AddTool(EditorEllipseButton, EditorEllipseTip, ToolbarPicture::Ellipse, {},
            std::make_unique<ShapeTool>(m_core, ShapeKind::Ellipse));
    AddTool(EditorTextButton, EditorTextTip, ToolbarPicture::Text, {'T'}, std::make_unique<TextTool>(m_core));
    AddTool(EditorArrowButton, EditorArrowTip, ToolbarPicture::Arrow, {'A'}, std::make_unique<ArrowTool>(m_core));
    AddTool(EditorHighlightButton, EditorHighlightTip, ToolbarPicture::Highlight, {'H'},
            std::make_unique<MarkTool>(m_core, MarkKind::Highlight));
    AddTool(EditorRedactButton, EditorRedactTip, ToolbarPicture::Redact, {'R'}, std::make_unique<MarkTool>(m_core, MarkKind::Redact));
}

void Editor::AddCommand(TextId name, TextId tip, ToolbarPicture picture, ToolbarGroup group, KeyPress key,
                        std::function<void()> command) {
    m_toolbar.push_back({name, {}, {tip}, picture, group, key, std::move(command), nullptr});
}

void Editor::AddTool(TextId name, TextId tip, ToolbarPicture picture, KeyPress key, std::unique_ptr<Tool> tool) {
    m_toolbar.push_back({name, {}, {tip}, picture, ToolbarGroup::Tools, key, nullptr, std::move(tool)});
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
    if (m_core.Picture() != picture && MayDiscard(TextId::EditorNewFileCaption)) LoadNewPicture(picture);
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
    ShowLanguage();
    m_open = true;
    m_core.Reset(m_ports.currentShot.Get());
}

void Editor::OnLanguageChanged() {
    if (m_open) ShowLanguage();
}

// The buttons' names, the labels and every tooltip in the user's language, and the language's face,
// in which the window lays its toolbar out anew.
void Editor::ShowLanguage() {
    const int language = m_ports.settings.Language;
    m_core.language = language;
    for (std::size_t i = 0; i < m_toolbar.size(); ++i) {
        m_ports.form.SetText(ToolbarControl(i), m_toolbar[i].Name(language));
        m_ports.window.SetTip(ToolbarControl(i), m_toolbar[i].Tooltip(language));
    }
    ApplyTexts(m_ports.form, language, kEditorTexts);
    for (const ControlText& tip : kEditorTips) {
        m_ports.window.SetTip(tip.control, tip.text == kNoText ? std::string() : UserText(tip.text, language));
    }
    m_ports.window.SetTextFont(Languages().FontName(language), Languages().FontSize(language));
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
    m_open = false;
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
        case HelpButton: m_ports.help.Open(m_ports.settings.Language); break;
        case StrengthList: OnStrengthChosen(); break;
        default: m_core.OnToolControl(control); break;
    }
}

// Text still being typed is part of what the user hands on.
PicturePtr Editor::PictureToHandOn() {
    m_core.FinishTool();
    PicturePtr picture = m_core.Picture();
    if (!picture) {
        m_ports.window.Inform(UserText(TextId::EditorNothingToHandOnMessage, m_ports.settings.Language), kEditorCaption);
        return nullptr;
    }
    m_ports.currentShot.Set(picture);
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
    m_core.ReplacePicture(picture);
    m_core.changed = false;
    m_ports.currentShot.Set(m_core.Picture());
}

// Like New, Open asks before the edits go. The file is read before anything changes: one that is
// no picture leaves the editor as it was. A file just opened has no changes to ask about.
void Editor::OnOpen() {
    if (!MayDiscard(TextId::EditorOpenFileCaption)) return;
    const std::string path =
        m_ports.dialogs.ShowOpenDialog(kOpenFilter, UserText(TextId::EditorOpenDialogTitle, m_ports.settings.Language), "");
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
        m_ports.window.Inform(UserText(TextId::EditorPageWaitsMessage, m_ports.settings.Language), "Snapwright");
    }
}

void Editor::OnCopy() {
    const PicturePtr picture = PictureToHandOn();
    if (picture && !m_ports.copyToClipboard(picture)) {
        m_ports.messages.ShowError(UserText(TextId::EditorCopyFailedMessage, m_ports.settings.Language));
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
