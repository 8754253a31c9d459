#include "editor/Editor.h"

namespace snapwright {

using enum EditorControl;

namespace {

constexpr int kStrengths = 10;
constexpr Colour kFirstDrawingColour = 0x0000FF;  // red: marks stand out on most screenshots

constexpr std::pair<OfficeProgram, EditorControl> kOfficeButtons[] = {
    {OfficeProgram::Word, WordButton},     {OfficeProgram::Excel, ExcelButton}, {OfficeProgram::PowerPoint, PowerPointButton},
    {OfficeProgram::Writer, WriterButton}, {OfficeProgram::Calc, CalcButton},   {OfficeProgram::Impress, ImpressButton}};

constexpr const char* kOpenFilter =
    "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Portable Network Graphics (*.png)|*.png|Multiple Network Graphics "
    "(*.mng)|*.mng|TIFF (*.tif)|*.tif";

}  // namespace

Editor::Editor(Ports ports)
    : m_ports(std::move(ports)),
      m_core(m_ports.form, m_ports.window),
      m_crop(m_core),
      m_zoom(m_core),
      m_shapes(m_core) {}

void Editor::Show() {
    m_ports.form.Show();
}

void Editor::ShowModal() {
    m_ports.form.ShowModal();
}

// An editor that opens loads the current screenshot, which is this picture, by itself.
void Editor::ShowPicture(PicturePtr picture) {
    Show();
    if (m_core.Picture() != picture && MayDiscard("New file")) LoadNewPicture(std::move(picture));
}

// The editor works on the current screenshot; before the first capture its view stays empty.
void Editor::OnLoad() {
    IForm& form = m_ports.form;
    SetTaskbarButton(m_ports.windows, m_ports.window.Handle(), true);
    m_zoom.Reset();
    m_shapes.Reset();
    ShowOfficeButtons();
    form.ClearList(Id(StrengthList));
    for (int n = 1; n <= kStrengths; ++n) form.AddListItem(Id(StrengthList), std::to_string(n) + "px");
    form.SetListIndex(Id(StrengthList), 0);
    m_ports.window.SetButtonColour(Id(ColourButton), kFirstDrawingColour);
    m_core.Reset(m_ports.slots.Current());
}

// Only the configured suite's three buttons show; both suites' stand in the same three places.
void Editor::ShowOfficeButtons() {
    for (const auto& [program, button] : kOfficeButtons) {
        m_ports.form.SetVisible(Id(button), SuiteOf(program) == m_ports.settings.Office);
    }
}

// An empty editor (after New) has nothing to save and closes at once.
bool Editor::OnClose() {
    if (HasUnsavedEdits()) {
        switch (m_ports.window.Ask("Save changes to this file?", "Quit program", EditorQuestion::YesNoCancel)) {
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

void Editor::OnMouseDown(Point view) {
    switch (m_core.mode) {
        case EditMode::Zoom: m_zoom.OnMouseDown(view); break;
        case EditMode::Crop: m_crop.OnMouseDown(view); break;
        case EditMode::Frame:
        case EditMode::Ellipse: m_shapes.OnMouseDown(view); break;
        case EditMode::None: break;
    }
}

void Editor::OnMouseMove(Point view) {
    if (m_core.markerFrozen) return;
    switch (m_core.mode) {
        case EditMode::Zoom: m_zoom.OnMouseMove(view); break;
        case EditMode::Crop: m_crop.OnMouseMove(view); break;
        case EditMode::Frame:
        case EditMode::Ellipse: m_shapes.OnMouseMove(view); break;
        case EditMode::None: break;
    }
}

void Editor::OnButton(EditorControl button) {
    switch (button) {
        case NewButton: OnNew(); break;
        case RegionButton: OnRegion(); break;
        case OpenButton: OnOpen(); break;
        case SaveButton: OnSave(); break;
        case PrintButton: OnPrint(); break;
        case ZoomButton: m_zoom.OnButton(); break;
        case CropButton: m_crop.OnButton(); break;
        case CopyButton: OnCopy(); break;
        case UndoButton: m_core.Undo(); break;
        case FrameButton: m_shapes.OnButton(EditMode::Frame); break;
        case EllipseButton: m_shapes.OnButton(EditMode::Ellipse); break;
        case TextButton: m_ports.window.Inform("Draw textbox...in progress ;-)", "Snapwright"); break;
        case ColourButton: OnColourButton(); break;
        case HelpButton: m_ports.help.Open(); break;
        default:
            for (const auto& [program, officeButton] : kOfficeButtons) {
                if (button == officeButton) OnSend(program);
            }
            break;
    }
}

PicturePtr Editor::PictureToHandOn() {
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

// Nothing is discarded unless the user says so or it was saved.
bool Editor::MayDiscard(const char* title) {
    return !HasUnsavedEdits() ||
           m_ports.window.Ask("Really discard this file?", title, EditorQuestion::YesNo) == EditorAnswer::Yes ||
           SaveEdits();
}

void Editor::OnNew() {
    if (!MayDiscard("New file")) return;
    m_core.ClearView();
}

// The editor keeps out of the picture while the region is drawn; a cancelled region leaves the
// picture as it was.
void Editor::OnRegion() {
    if (!m_takeRegion || !MayDiscard("New file")) return;
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
    if (!MayDiscard("Open file")) return;
    const std::string path = m_ports.dialogs.ShowOpenDialog(kOpenFilter, "Open Screenshot file", "");
    if (path.empty()) return;
    LoadedPicture loaded = m_ports.loadPicture(path);
    if (!loaded.picture) {
        m_ports.messages.ShowError("Snapwright could not open\n" + path + "\n\n" + loaded.reason);
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

void Editor::OnColourButton() {
    const Colour current = m_ports.window.ButtonColour(Id(ColourButton));
    if (const std::optional<Colour> chosen = m_ports.window.ChooseColour(current)) {
        m_ports.window.SetButtonColour(Id(ColourButton), *chosen);
    }
}

}  // namespace snapwright
