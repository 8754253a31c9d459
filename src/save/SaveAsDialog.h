#pragma once
#include <functional>
#include <string>

#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "platform/SettingsStore.h"
#include "platform/SliderForm.h"
#include "platform/UserMessages.h"
#include "save/ImageExport.h"
#include "save/ThumbnailSize.h"

namespace snapwright {

// The text that tells the user that a screenshot could not be saved, and why.
std::string SaveFailureMessage(const std::string& path, const std::string& reason);
std::string FolderFailureMessage(const std::string& folder, const std::string& reason);

// The save dialog: proposes a file name from the date and time, lets the user choose the format,
// another file and a thumbnail size, and writes the screenshot it was opened for.
class SaveAsDialog {
public:
    struct Ports {
        IForm& form;
        ISliderForm& sliders;
        const Settings& settings;
        ISettingsStore& store;
        const IClock& clock;
        IFileDialogs& dialogs;
        IFileSystem& files;
        ImageExport& imageExport;
        IUserMessages& messages;
        // Loads the window (which runs OnLoad) and brings it to the foreground.
        std::function<void()> loadToForeground;
    };

    explicit SaveAsDialog(Ports ports);

    // Opens the dialog modally for this picture. The dialog saves this picture, also when a
    // hotkey pressed meanwhile makes a newer screenshot the current one. True when a file
    // was written.
    bool StartSaveAs(PicturePtr picture);

    void OnLoad();
    void OnFormatChosen();
    void OnBrowse();
    void OnOk();
    void OnCancel();
    void OnThumbnailSlider();

    const std::string& FileName() const { return m_fileName; }
    const std::string& Extension() const { return m_extension; }
    const std::string& Filter() const { return m_filter; }
    const std::string& SavePath() const { return m_savePath; }
    ThumbSize Thumb() const { return m_thumb; }
    bool IsOpen() const { return m_open; }

private:
    void ShowThumbnailSize();
    // False when the user keeps the files that the save would replace.
    bool MayReplace(const std::string& fileName, bool thumbnail);
    // Makes the file's folder and the missing ones above it; false, the user told, when one cannot be made.
    bool MakeFolderOf(const std::string& fileName);

    Ports m_ports;
    PicturePtr m_picture;
    bool m_open = false;
    bool m_saved = false;

    std::string m_fileName;
    std::string m_replaceConfirmed;  // an existing file that the user chose to replace while browsing
    std::string m_extension;
    std::string m_filter;
    std::string m_savePath;
    int m_screenWidthPx = 0;
    float m_screenHeightPx = 0;
    ThumbSize m_thumb;
};

}  // namespace snapwright
