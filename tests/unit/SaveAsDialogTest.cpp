#include "save/SaveAsDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"
#include "lang/ApplyLanguage.h"
#include "save/SaveAsControls.h"
#include "save/SaveFormats.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using enum SaveAsControl;

constexpr const char* kScreenshots = "C:\\Program Files\\Snapwright\\Screenshots\\";

// A form that also writes its unload into the shared log, to show what happens before and after.
class LoggingForm : public FakeForm {
public:
    explicit LoggingForm(CallLog& log) : m_log(log) {}
    void Unload() override {
        m_log.push_back("Unload form");
        FakeForm::Unload();
    }

private:
    CallLog& m_log;
};

class SaveAsDialogTest : public ::testing::Test {
protected:
    SaveAsDialog& Dialog() {
        if (!m_dialog) {
            m_dialog = std::make_unique<SaveAsDialog>(SaveAsDialog::Ports{
                form, sliders, settings, store, clock, dialogs, files, exporter, messages, [this] {
                    ++foregrounds;
                    // Asking for the window loads it when it is not loaded.
                    if (!loaded) {
                        loaded = true;
                        m_dialog->OnLoad();
                    }
                }});
        }
        return *m_dialog;
    }
    // Opens the dialog for the picture; `user` acts while it is open.
    void Open(std::function<void()> user, PicturePtr shot = nullptr) {
        form.OnShowModal([this, user = std::move(user)] {
            if (user) user();
        });
        Dialog().StartSaveAs(shot ? shot : picture);
        loaded = false;
    }
    // Opens the dialog, whose state the test then reads and drives.
    void Load() { Open(nullptr); }
    int Slider() const { return sliders.SliderValue(Id(ThumbnailSlider)); }

    CallLog log;
    LoggingForm form{log};
    FakeSliderForm sliders;
    Settings settings;
    FakeSettingsStore store;
    FixedClock clock;
    FakeFileDialogs dialogs;
    FakeFileSystem files{&log};
    RecordingCodec codec{files, log};
    FakeBitmapFileWriter bitmapFiles{files, log};
    ImageExport exporter{codec, bitmapFiles, files};
    FakeUserMessages messages;
    PicturePtr picture = std::make_shared<FakePicture>(1024, 768, 1);
    int foregrounds = 0;
    bool loaded = false;

private:
    std::unique_ptr<SaveAsDialog> m_dialog;
};

// --- loading ---------------------------------------------------------------------------

TEST_F(SaveAsDialogTest, ModeOneProposesAStampedPngInTheProgramsScreenshotsFolder) {
    Load();
    EXPECT_EQ(form.State(FormatList).items.size(), kSaveFormats.size());
    EXPECT_EQ(form.State(FormatList).listIndex, 2);
    EXPECT_EQ(Dialog().Filter(), "*.png (Portable Network Graphic)|*.png");
    EXPECT_EQ(Dialog().FileName(), std::string(kScreenshots) + "Snapwright_06122026103930.png");
    EXPECT_EQ(form.State(FileNameLabel).text, "C:\\Program Files\\Sna...\\Snapwright_06122026103930.png");
    EXPECT_FALSE(form.State(BrowseButton).visible);
    EXPECT_TRUE(form.State(OkButton).enabled);

    // A US date's slashes would make folders: the name stays in the Screenshots folder itself.
    clock.now = "12/6/2026 10:39:30 AM";
    Load();
    EXPECT_EQ(Dialog().FileName(), std::string(kScreenshots) + "Snapwright_1262026103930AM.png");
}

TEST_F(SaveAsDialogTest, ModeTwoProposesANameInTheStoredFolderWithItsOwnPrefix) {
    settings.SaveTo = 2;
    Load();
    EXPECT_EQ(Dialog().SavePath(), kScreenshots) << "the default folder";
    EXPECT_EQ(Dialog().FileName(), std::string(kScreenshots) + "Snapwright™_06122026103930.png");
    EXPECT_TRUE(form.State(BrowseButton).visible);
    EXPECT_TRUE(form.State(OkButton).enabled);

    store.Put("SavePath", "D:\\Bilder\\");
    Load();
    EXPECT_EQ(Dialog().FileName(), "D:\\Bilder\\Snapwright™_06122026103930.png");
    EXPECT_EQ(form.State(FileNameLabel).text, "D:\\Bilder\\Snapwright™_06122026103930.png");

    // A folder stored without its closing backslash still names the folder.
    store.Put("SavePath", "D:\\Bilder");
    Load();
    EXPECT_EQ(Dialog().FileName(), "D:\\Bilder\\Snapwright™_06122026103930.png");

    // An empty folder is no folder: the default takes its place.
    store.Put("SavePath", "");
    Load();
    EXPECT_EQ(Dialog().FileName(), std::string(kScreenshots) + "Snapwright™_06122026103930.png");
}

TEST_F(SaveAsDialogTest, AnotherModeProposesNoNameAndWaitsForBrowsing) {
    settings.SaveTo = 3;
    Load();
    EXPECT_EQ(Dialog().FileName(), "");
    EXPECT_EQ(form.State(FileNameLabel).text, "");
    EXPECT_FALSE(form.State(OkButton).enabled);
    EXPECT_TRUE(form.State(BrowseButton).visible);

    dialogs.answer = "D:\\pics\\shot";
    Dialog().OnBrowse();
    EXPECT_EQ(Dialog().FileName(), "D:\\pics\\shot.png");
    EXPECT_TRUE(form.State(OkButton).enabled);
}

TEST_F(SaveAsDialogTest, TheSliderRunsFromTenToFiftyPercentAndShowsTheSize) {
    Load();
    EXPECT_EQ(sliders.sliders[Id(ThumbnailSlider)].min, 10);
    EXPECT_EQ(sliders.sliders[Id(ThumbnailSlider)].max, 50);
    EXPECT_EQ(Slider(), 10);
    EXPECT_EQ(form.State(ThumbnailSizeLabel).text, "102 x 76 px");
    sliders.SetSliderValue(Id(ThumbnailSlider), 15);
    Dialog().OnThumbnailSlider();
    EXPECT_EQ(form.State(ThumbnailSizeLabel).text, "154 x 116 px");
}

TEST_F(SaveAsDialogTest, APortraitPictureScalesItsHeight) {
    picture = std::make_shared<FakePicture>(600, 800, 2);
    Load();
    sliders.SetSliderValue(Id(ThumbnailSlider), 50);
    Dialog().OnThumbnailSlider();
    EXPECT_EQ(form.State(ThumbnailSizeLabel).text, "300 x 400 px");
}

TEST_F(SaveAsDialogTest, TheLanguageIsAppliedLast) {
    settings.Language = 1;
    Load();
    EXPECT_EQ(form.State(CaptionLabel).text, "Screenshot speichern unter ...");
    EXPECT_EQ(form.State(FormatFrame).text, "Wählen Sie ein Dateiformat");

    FakeForm expected;
    ApplyLanguage(kSaveAsWindow, 1, expected);
    // The load's last calls, just before the dialog shows, are the language's.
    std::vector<FormCall> changes = form.Changes();
    ASSERT_EQ(changes.back(), FormCall::ShowModal());
    changes.pop_back();
    const std::vector<FormCall> language = expected.Changes();
    ASSERT_GE(changes.size(), language.size());
    EXPECT_EQ(std::vector<FormCall>(changes.end() - static_cast<std::ptrdiff_t>(language.size()), changes.end()),
              language);
}

// --- format, browse ------------------------------------------------------------------

TEST_F(SaveAsDialogTest, ChoosingAFormatReplacesTheExtension) {
    Load();
    form.State(FormatList).listIndex = 3;
    Dialog().OnFormatChosen();
    EXPECT_EQ(Dialog().FileName(), std::string(kScreenshots) + "Snapwright_06122026103930.tif");
    EXPECT_EQ(form.State(FileNameLabel).text, "C:\\Program Files\\Sna...\\Snapwright_06122026103930.tif");
    // No choice at all keeps the format chosen before.
    form.State(FormatList).listIndex = -1;
    Dialog().OnFormatChosen();
    EXPECT_EQ(Dialog().Extension(), ".tif");
}

TEST_F(SaveAsDialogTest, BrowsingAsksWithTheFormatsFilterInTheSaveFolder) {
    settings.SaveTo = 2;
    store.Put("SavePath", "D:\\Bilder\\");
    Load();
    dialogs.answer = "E:\\Neu\\Bild";
    Dialog().OnBrowse();
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls[0].filter, "*.png (Portable Network Graphic)|*.png");
    EXPECT_EQ(dialogs.saveCalls[0].title, "Save screenshot");
    EXPECT_EQ(dialogs.saveCalls[0].initialFolder, "D:\\Bilder\\");

    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\Bild.png");
    EXPECT_EQ(form.State(FileNameLabel).text, "E:\\Neu\\Bild.png") << "shown in full";
    EXPECT_EQ(Dialog().SavePath(), "E:\\Neu\\");
    EXPECT_EQ(store.Get("SavePath"), "E:\\Neu\\");
    EXPECT_TRUE(form.State(OkButton).enabled);
}

TEST_F(SaveAsDialogTest, ANameWithTheFormatsExtensionInAnyCaseGetsNoSecond) {
    settings.SaveTo = 2;
    Load();
    dialogs.answer = "E:\\Neu\\SHOT.PNG";
    Dialog().OnBrowse();
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\SHOT.PNG");
    // Another format after browsing replaces exactly the last four characters.
    form.State(FormatList).listIndex = 1;
    Dialog().OnFormatChosen();
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\SHOT.jpg");
    // And browsing with JPEG chosen offers JPEG files.
    dialogs.answer = "E:\\Neu\\shot.jpeg";
    Dialog().OnBrowse();
    EXPECT_EQ(dialogs.saveCalls.back().filter, "*.jpg (JPEG-File)|*.jpg");
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\shot.jpeg.jpg");
}

TEST_F(SaveAsDialogTest, CancelledBrowsingChangesNothing) {
    settings.SaveTo = 2;
    store.Put("SavePath", "D:\\Bilder\\");
    Load();
    store.writes.clear();
    dialogs.answer = "";
    Dialog().OnBrowse();
    EXPECT_EQ(Dialog().FileName(), "D:\\Bilder\\Snapwright™_06122026103930.png");
    EXPECT_EQ(Dialog().SavePath(), "D:\\Bilder\\");
    EXPECT_THAT(store.writes, IsEmpty());
}

// --- saving ------------------------------------------------------------------------------

TEST_F(SaveAsDialogTest, OkClosesMakesTheScreenshotsFolderAndSavesThePng) {
    Open([this] { Dialog().OnOk(); });
    const std::string file = std::string(kScreenshots) + "Snapwright_06122026103930.png";
    EXPECT_THAT(log, ElementsAre("Unload form", "CreateFolder C:\\Program Files\\Snapwright\\Screenshots",
                                 "Initialise", "FromPicture -> #1", "ConvertTo24Bits #1 -> #2",
                                 "Save 13 #2 " + file + " flags 0", "Unload #1", "Unload #2", "DeInitialise"));
    EXPECT_THAT(messages.errors, IsEmpty());
    EXPECT_EQ(form.ModalShows(), 1);
    EXPECT_EQ(foregrounds, 1);
}

TEST_F(SaveAsDialogTest, AnExistingScreenshotsFolderIsNotMadeAgain) {
    files.folders.insert("C:\\Program Files\\Snapwright\\Screenshots");
    Open([this] { Dialog().OnOk(); });
    EXPECT_THAT(log, Not(Contains(HasSubstr("CreateFolder"))));
    EXPECT_TRUE(files.Has(std::string(kScreenshots) + "Snapwright_06122026103930.png"));
}

TEST_F(SaveAsDialogTest, TheThumbnailBoxAddsAThumbnailOfTheShownSize) {
    Open([this] {
        form.State(ThumbnailBox).checked = true;
        sliders.SetSliderValue(Id(ThumbnailSlider), 15);
        Dialog().OnThumbnailSlider();
        form.State(FormatList).listIndex = 1;
        Dialog().OnFormatChosen();
        Dialog().OnOk();
    });
    const std::string thumb = std::string(kScreenshots) + "Snapwright_06122026103930_thumb.jpg";
    EXPECT_THAT(log, Contains("Rescale #2 154x116 filter 2 -> #3"));
    EXPECT_THAT(log, Contains("Save 2 #3 " + thumb + " flags 90"));
}

TEST_F(SaveAsDialogTest, CancelWritesNothing) {
    Open([this] { Dialog().OnCancel(); });
    EXPECT_THAT(log, ElementsAre("Unload form"));
}

TEST_F(SaveAsDialogTest, AFailedSaveTellsTheUserThePathAndTheReason) {
    const std::string file = std::string(kScreenshots) + "Snapwright_06122026103930.png";
    codec.saveFailures[file] = "There is not enough space on the disk.";
    Open([this] { Dialog().OnOk(); });
    EXPECT_THAT(messages.errors, ElementsAre("Snapwright could not save the screenshot as\n" + file +
                                             "\n\nThere is not enough space on the disk.\n\n"
                                             "The screenshot is still on the clipboard."));
}

TEST_F(SaveAsDialogTest, AScreenshotsFolderThatCannotBeMadeIsTold) {
    files.createFolderFailure = "Access is denied.";
    Open([this] { Dialog().OnOk(); });
    EXPECT_THAT(messages.errors, ElementsAre("Snapwright could not make the folder for the screenshot:\n"
                                             "C:\\Program Files\\Snapwright\\Screenshots\n\nAccess is denied.\n\n"
                                             "The screenshot is still on the clipboard."));
    EXPECT_THAT(log, Not(Contains("Initialise")));
}

TEST_F(SaveAsDialogTest, TheScreenshotsFolderDoesNotMatterForAFileElsewhere) {
    settings.SaveTo = 2;
    store.Put("SavePath", "D:\\Bilder\\");
    files.createFolderFailure = "Access is denied.";
    Open([this] { Dialog().OnOk(); });
    EXPECT_THAT(messages.errors, IsEmpty());
    EXPECT_TRUE(files.Has("D:\\Bilder\\Snapwright™_06122026103930.png"));
}

TEST_F(SaveAsDialogTest, TheDialogSavesThePictureItWasOpenedForWhileAHotkeyTakesANewOne) {
    const PicturePtr window = std::make_shared<FakePicture>(400, 300, 2);
    Open([&] {
        // Alt+Shift+Print Screen while the dialog is open: a new shot, a nested StartSaveAs.
        Dialog().StartSaveAs(window);
        EXPECT_EQ(form.ModalShows(), 1) << "no second modal loop";
        Dialog().OnOk();
    });
    EXPECT_EQ(foregrounds, 2) << "the open dialog came to the front again";
    EXPECT_EQ(codec.saved.at(std::string(kScreenshots) + "Snapwright_06122026103930.png").width, 1024);
}

TEST_F(SaveAsDialogTest, TheDialogLetsGoOfItsPictureWhenItCloses) {
    std::weak_ptr<const Picture> watched = picture;
    Open([this] { Dialog().OnCancel(); });
    picture.reset();
    EXPECT_TRUE(watched.expired());
    EXPECT_FALSE(Dialog().IsOpen());

    // And it opens again for the next screenshot.
    Open([this] { Dialog().OnCancel(); }, std::make_shared<FakePicture>(800, 600, 3));
    EXPECT_EQ(form.ModalShows(), 2);
}

TEST_F(SaveAsDialogTest, WithoutAScreenshotTheDialogDoesNotOpen) {
    Dialog().StartSaveAs(nullptr);
    EXPECT_EQ(form.ModalShows(), 0);
    EXPECT_THAT(messages.errors, ElementsAre("There is no screenshot to save."));
}

}  // namespace
}  // namespace snapwright
