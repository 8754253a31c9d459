#include "editor/Editor.h"

namespace snapwright {

using enum EditorControl;

namespace {

constexpr int kStrengths = 10;
constexpr Colour kFirstDrawingColour = 0x0000FF;  // red: marks stand out on most screenshots

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
    if (m_core.Picture() != picture && MayDiscard()) LoadNewPicture(std::move(picture));
}

// The editor works on the current screenshot; before the first capture its view stays empty.
void Editor::OnLoad() {
    IForm& form = m_ports.form;
    SetTaskbarButton(m_ports.windows, m_ports.window.Handle(), true);
    m_zoom.Reset();
    m_shapes.Reset();
    ArrangeOfficeButtons();
    form.ClearList(Id(StrengthList));
    for (int n = 1; n <= kStrengths; ++n) form.AddListItem(Id(StrengthList), std::to_string(n) + "px");
    form.SetListIndex(Id(StrengthList), 0);
    m_ports.window.SetButtonColour(Id(ColourButton), kFirstDrawingColour);
    m_core.Reset(m_ports.slots.ShotCounter() > 0 ? m_ports.slots.Current() : nullptr);
}

// One suite's three buttons show, in the same three places.
void Editor::ArrangeOfficeButtons() {
    IForm& form = m_ports.form;
    if (m_ports.settings.Office != 1) {
        for (EditorControl button : {WriterButton, CalcButton, ImpressButton}) form.SetVisible(Id(button), false);
        return;
    }
    const std::pair<EditorControl, EditorControl> places[] = {
        {WordButton, WriterButton}, {ExcelButton, CalcButton}, {PowerPointButton, ImpressButton}};
    for (const auto& [first, second] : places) {
        form.SetEnabled(Id(first), false);
        Rect bounds = m_ports.window.ControlBounds(Id(second));
        bounds.left = m_ports.window.ControlBounds(Id(first)).left;
        m_ports.window.SetControlBounds(Id(second), bounds);
    }
}

bool Editor::OnClose() {
    if (m_core.changed) {
        switch (m_ports.window.Ask("Save changes to this file?", "Quit program", EditorQuestion::YesNoCancel)) {
            case EditorAnswer::Cancel: return false;
            case EditorAnswer::Yes:
                // The edits stay until they are in a file.
                if (!SaveHandedBack()) return false;
                break;
            case EditorAnswer::No: break;
        }
    }
    SetTaskbarButton(m_ports.windows, m_ports.window.Handle(), false);
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
        case WordButton: OnSend(OfficeProgram::Word); break;
        case ExcelButton: OnSend(OfficeProgram::Excel); break;
        case PowerPointButton: OnSend(OfficeProgram::PowerPoint); break;
        case WriterButton: OnSend(OfficeProgram::Writer); break;
        case CalcButton: OnSend(OfficeProgram::Calc); break;
        case ImpressButton: OnSend(OfficeProgram::Impress); break;
        case ZoomButton: m_zoom.OnButton(); break;
        case CropButton: m_crop.OnButton(); break;
        case CopyButton: OnCopy(); break;
        case UndoButton: m_core.Undo(); break;
        case FrameButton: m_shapes.OnButton(EditMode::Frame); break;
        case EllipseButton: m_shapes.OnButton(EditMode::Ellipse); break;
        case TextButton: m_ports.window.Inform("Draw textbox...in progress ;-)", "Snapwright"); break;
        case ColourButton: OnColourButton(); break;
        case HelpButton: m_ports.help.Open(); break;
        default: break;
    }
}

// The editor's picture becomes the current screenshot, which the save dialog, the printer, the
// clipboard and the office programs take. Before the first capture it becomes the first one.
bool Editor::HandBack() {
    if (!m_core.Picture()) {
        m_ports.window.Inform("There is no picture in the editor to hand on.", kEditorCaption);
        return false;
    }
    m_ports.slots.HandBack(m_core.Picture());
    return true;
}

bool Editor::SaveHandedBack() {
    return HandBack() && m_ports.startSaveAs();
}

// Nothing is discarded unless it was saved: false when the user wanted it saved and it was not.
bool Editor::MayDiscard() {
    return !m_core.changed ||
           m_ports.window.Ask("Really discard this file?", "New file", EditorQuestion::YesNo) != EditorAnswer::No ||
           SaveHandedBack();
}

void Editor::OnNew() {
    if (MayDiscard()) m_core.ClearView();
}

// The editor keeps out of the picture while the region is drawn; a cancelled region leaves the
// picture as it was.
void Editor::OnRegion() {
    if (!m_takeRegion || !MayDiscard()) return;
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

// A screenshot that has just been taken has nothing to save yet.
void Editor::LoadNewPicture(PicturePtr picture) {
    m_core.ClearUndo();
    m_ports.window.SetScrollValue(Id(HorizontalScroll), 0);
    m_ports.window.SetScrollValue(Id(VerticalScroll), 0);
    m_core.ReplacePicture(std::move(picture));
    m_core.changed = false;
    m_ports.slots.HandBack(m_core.Picture());
}

// The file is read before anything changes: one that is no picture leaves the editor as it was.
void Editor::OnOpen() {
    const std::string path = m_ports.dialogs.ShowOpenDialog(kOpenFilter, "Open Screenshot file", "");
    if (path.empty()) return;
    LoadedPicture loaded = m_ports.loadPicture(path);
    if (!loaded.picture) {
        m_ports.messages.ShowError("Snapwright could not open\n" + path + "\n\n" + loaded.reason);
        return;
    }
    m_core.ClearUndo();
    m_core.ReplacePicture(std::move(loaded.picture));
    m_ports.slots.HandBack(m_core.Picture());
}

void Editor::OnSave() {
    if (!SaveHandedBack()) return;
    m_core.ClearUndo();
    m_core.changed = false;
}

void Editor::OnPrint() {
    if (HandBack()) m_ports.printHardcopy();
}

void Editor::OnCopy() {
    if (HandBack() && !m_ports.copyShotToClipboard()) {
        m_ports.messages.ShowError("Snapwright could not put the picture on the clipboard.");
    }
}

void Editor::OnSend(OfficeProgram program) {
    if (!HandBack()) return;
    if (!m_ports.copyShotToClipboard()) {
        m_ports.messages.ShowError("Snapwright could not put the picture on the clipboard.");
        return;
    }
    m_ports.sender.Send(program);
}

void Editor::OnColourButton() {
    const Colour current = m_ports.window.ButtonColour(Id(ColourButton));
    if (const std::optional<Colour> chosen = m_ports.window.ChooseColour(current)) {
        m_ports.window.SetButtonColour(Id(ColourButton), *chosen);
    }
}

}  // namespace snapwright
