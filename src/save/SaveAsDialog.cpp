#include "save/SaveAsDialog.h"

#include <optional>
#include <utility>
#include <vector>

#include "lang/ApplyLanguage.h"
#include "platform/Diagnostics.h"
#include "save/FileNaming.h"
#include "save/MissingFolders.h"
#include "save/SaveAsControls.h"
#include "save/SaveFormats.h"

namespace snapwright {

using enum SaveAsControl;

namespace {

constexpr const char* kSavePathKey = "SavePath";
constexpr int kSliderMin = 10;
constexpr int kSliderMax = 50;

std::string ReplaceQuestion(const std::vector<std::string>& existing) {
    if (existing.size() == 1) return existing[0] + "\nalready exists.\n\nDo you want to replace it?";
    std::string text = "These files already exist:";
    for (const std::string& path : existing) text += "\n" + path;
    return text + "\n\nDo you want to replace them?";
}

}  // namespace

std::string SaveFailureMessage(const std::string& path, const std::string& reason) {
    return "Snapwright could not save the screenshot as\n" + path + "\n\n" + reason +
           "\n\nThe screenshot is still on the clipboard.";
}

std::string FolderFailureMessage(const std::string& folder, const std::string& reason) {
    return "Snapwright could not make the folder for the screenshot:\n" + folder + "\n\n" + reason +
           "\n\nThe screenshot is still on the clipboard.";
}

SaveAsDialog::SaveAsDialog(Ports ports) : m_ports(std::move(ports)) {}

bool SaveAsDialog::StartSaveAs(PicturePtr picture) {
    if (m_open) {
        // A hotkey pressed while the dialog is open: the dialog stays with the picture it was
        // opened for; the newer screenshot is on the clipboard and the current one.
        DebugOutput("StartSaveAs: the save dialog is already open.");
        m_ports.loadToForeground();
        return false;
    }
    if (!picture) {
        m_ports.messages.ShowError("There is no screenshot to save.");
        return false;
    }
    struct OpenScope {
        SaveAsDialog& dialog;
        ~OpenScope() {
            dialog.m_open = false;
            dialog.m_picture.reset();
        }
    } scope{*this};
    m_open = true;
    m_saved = false;
    m_picture = std::move(picture);
    m_ports.loadToForeground();
    m_ports.form.ShowModal();
    return m_saved;
}

void SaveAsDialog::OnLoad() {
    IForm& form = m_ports.form;
    m_fileName.clear();
    m_replaceConfirmed.clear();
    m_savePath.clear();

    form.ClearList(Id(FormatList));
    for (const SaveFormat& format : kSaveFormats) form.AddListItem(Id(FormatList), format.listText);
    form.SetListIndex(Id(FormatList), kPngFormatIndex);
    // Choosing an entry in code tells no one; the format click runs as the user's choice would.
    OnFormatChosen();

    const std::string programFolder = m_ports.files.ProgramFolder();
    const std::string stamp = DateTimeStamp(m_ports.clock.GeneralDateTimeNow());
    switch (m_ports.settings.SaveTo) {
        case SaveTarget::ProgramFolder:
            m_fileName = programFolder + "\\Screenshots\\Snapwright_" + stamp + m_extension;
            form.SetEnabled(Id(BrowseButton), false);
            form.SetVisible(Id(BrowseButton), false);
            break;
        case SaveTarget::AskForFile: {
            const std::string standard = programFolder + "\\Screenshots\\";
            m_savePath = m_ports.store.GetSetting(kSettingsApp, kSettingsSection, kSavePathKey, standard);
            // An empty folder would put the file wherever the program happens to run; a folder
            // typed into the store without its closing "\" still names that folder.
            if (m_savePath.empty()) m_savePath = standard;
            if (m_savePath.back() != '\\') m_savePath += '\\';
            m_fileName = m_savePath + "Snapwright™_" + stamp + m_extension;
            break;
        }
        case SaveTarget::Unnamed:
            break;
    }
    if (!m_fileName.empty()) form.SetText(Id(FileNameLabel), ShortenedFileName(m_fileName));
    // Without a name there is nothing to save until the user has browsed.
    form.SetEnabled(Id(OkButton), !m_fileName.empty());

    m_screenWidthPx = m_picture ? m_picture->Width() : 0;
    m_screenHeightPx = m_picture ? static_cast<float>(m_picture->Height()) : 0.0f;
    m_ports.sliders.SetSliderMax(Id(ThumbnailSlider), kSliderMax);
    m_ports.sliders.SetSliderMin(Id(ThumbnailSlider), kSliderMin);
    ShowThumbnailSize();

    ApplyLanguage(form, m_ports.settings.Language, kSaveAsTexts, Id(CaptionLabel));
}

void SaveAsDialog::OnFormatChosen() {
    const int index = m_ports.form.ListIndex(Id(FormatList));
    if (index < 0 || index >= static_cast<int>(kSaveFormats.size())) return;
    const std::optional<int> chosen = FormatIndexForListText(kSaveFormats[static_cast<std::size_t>(index)].listText);
    if (!chosen) return;
    const SaveFormat& format = kSaveFormats[static_cast<std::size_t>(*chosen)];
    m_extension = format.extension;
    m_filter = format.filter;
    if (!m_fileName.empty()) {
        m_fileName = WithoutLastCharacters(m_fileName, 4) + m_extension;
        m_ports.form.SetText(Id(FileNameLabel), ShortenedFileName(m_fileName));
    }
}

void SaveAsDialog::OnBrowse() {
    const std::string chosen = m_ports.dialogs.ShowSaveDialog(m_filter, "Save screenshot", m_savePath);
    if (chosen.empty()) return;
    m_fileName = chosen;
    if (UpperCaseAscii(LastCharacters(m_fileName, 4)) != UpperCaseAscii(m_extension)) m_fileName += m_extension;
    // The system's dialog asked before it gave an existing file; a name that has changed since was not asked about.
    m_replaceConfirmed = m_fileName == chosen && m_ports.files.Stamp(chosen) ? chosen : std::string();
    m_ports.form.SetText(Id(FileNameLabel), m_fileName);
    m_savePath = FolderOfPath(m_fileName);
    m_ports.form.SetEnabled(Id(OkButton), true);
    m_ports.store.SaveSetting(kSettingsApp, kSettingsSection, kSavePathKey, m_savePath);
}

// What the user can still change in the dialog is settled while it is open: a name that Windows
// keeps for a device, and files that the save would replace (No keeps them, and the dialog stays
// open for another name).
void SaveAsDialog::OnOk() {
    const bool thumbnail = m_ports.form.Checked(Id(ThumbnailBox));
    const SaveFormat* format = FormatForExtension(m_extension);
    if (m_fileName.empty() || !format) {
        m_ports.form.Unload();
        return;
    }
    std::string fileName = m_fileName;
    if (format->mainFileByPicture && UpperCaseAscii(LastCharacters(fileName, 4)) != UpperCaseAscii(m_extension)) {
        fileName += m_extension;
    }
    if (const std::string device = ReservedDeviceName(fileName); !device.empty()) {
        m_ports.messages.ShowError("Snapwright cannot save the screenshot as\n" + fileName + "\n\nWindows keeps the name \"" +
                                   device + "\" for a device. Please choose another name.");
        return;
    }
    if (!MayReplace(fileName, thumbnail)) return;
    m_ports.form.Unload();
    if (!MakeFolderOf(fileName)) return;

    const std::optional<ThumbSize> thumbSize = thumbnail ? std::optional<ThumbSize>(m_thumb) : std::nullopt;
    const ExportOutcome outcome = m_ports.imageExport.Export(*format, fileName, m_picture, thumbSize);
    m_saved = outcome.ok;
    if (!outcome.ok) m_ports.messages.ShowError(SaveFailureMessage(outcome.path, outcome.reason));
}

void SaveAsDialog::OnCancel() {
    m_ports.form.Unload();
}

void SaveAsDialog::OnThumbnailSlider() {
    ShowThumbnailSize();
}

void SaveAsDialog::ShowThumbnailSize() {
    const int percent = m_ports.sliders.SliderValue(Id(ThumbnailSlider));
    m_thumb = ThumbnailSize(percent, m_screenWidthPx, m_screenHeightPx);
    m_ports.form.SetText(Id(ThumbnailSizeLabel),
                         std::to_string(m_thumb.width) + " x " + std::to_string(m_thumb.height) + " px");
}

bool SaveAsDialog::MayReplace(const std::string& fileName, bool thumbnail) {
    std::vector<std::string> existing;
    if (fileName != m_replaceConfirmed && m_ports.files.Stamp(fileName)) existing.push_back(fileName);
    const std::string thumbnailName = ThumbnailFileName(fileName);
    if (thumbnail && m_ports.files.Stamp(thumbnailName)) existing.push_back(thumbnailName);
    return existing.empty() || m_ports.messages.AskYesNo(ReplaceQuestion(existing));
}

// The program's "Screenshots" folder and a chosen folder that was removed since are made alike;
// without them the image library would only say that a file was not found.
bool SaveAsDialog::MakeFolderOf(const std::string& fileName) {
    const FolderOutcome made = snapwright::MakeFolderOf(m_ports.files, fileName);
    if (!made.ok) m_ports.messages.ShowError(FolderFailureMessage(made.folder, made.reason));
    return made.ok;
}

}  // namespace snapwright
