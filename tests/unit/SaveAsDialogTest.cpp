#include "save/SaveAsDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"
#include "save/SaveAsControls.h"
#include "save/SaveFormats.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::_;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Return;
using enum SaveAsControl;

constexpr const char* kScreenshots = "C:\\Program Files\\Snapwright\\Screenshots\\";

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
    void Open(std::function<void()> user) {
        form.OnShowModal(std::move(user));
        Dialog().StartSaveAs(picture);
        loaded = false;
    }

    void SetUp() override { codec.WorkInto(files); }

    FakeForm form;
    ::testing::NiceMock<MockSliderForm> sliders;
    Settings settings;
    FakeSettingsStore store;
    FakeClock clock;
    ::testing::NiceMock<MockFileDialogs> dialogs;
    FakeFileSystem files;
    ::testing::NiceMock<MockCodec> codec;
    ::testing::NiceMock<MockBitmapFileWriter> bitmapFiles;
    ImageExport exporter{codec, bitmapFiles, files};
    FakeUserMessages messages;
    PicturePtr picture = std::make_shared<FakePicture>(1024, 768, 1);
    int foregrounds = 0;
    bool loaded = false;

private:
    std::unique_ptr<SaveAsDialog> m_dialog;
};

// The e2e tests save through the real dialog (every format, a thumbnail from the slider, browsing,
// files it would replace, folders it makes or cannot make); these cases are the ones a user rarely meets.

TEST_F(SaveAsDialogTest, ModeTwoTakesTheStoredFolderWithOrWithoutItsBackslashAndNeverAnEmptyOne) {
    settings.SaveTo = SaveTarget::AskForFile;
    for (const auto& [stored, expected] : std::vector<std::pair<std::string, std::string>>{
             {"D:\\Bilder\\", "D:\\Bilder\\"}, {"D:\\Bilder", "D:\\Bilder\\"}, {"", kScreenshots}}) {
        store.Put("SavePath", stored);
        Open(nullptr);  // the test then reads and drives the dialog
        EXPECT_EQ(Dialog().FileName(), expected + "Snapwright™_06122026103930.png") << "stored: " << stored;
        EXPECT_TRUE(form.State(BrowseButton).visible);
    }
}

TEST_F(SaveAsDialogTest, AnExtensionInAnyCaseIsKeptAndAnotherFormatReplacesTheLastFourCharacters) {
    settings.SaveTo = SaveTarget::AskForFile;
    Open(nullptr);
    ON_CALL(dialogs, ShowSaveDialog).WillByDefault(Return("E:\\Neu\\SHOT.PNG"));
    Dialog().OnBrowse();
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\SHOT.PNG");
    EXPECT_EQ(store.Get("SavePath"), "E:\\Neu\\") << "the next save starts in the chosen folder";
    form.State(FormatList).listIndex = 1;
    Dialog().OnFormatChosen();
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\SHOT.jpg");
    EXPECT_CALL(dialogs, ShowSaveDialog("*.jpg (JPEG-File)|*.jpg", _, "E:\\Neu\\")).WillOnce(Return("E:\\Neu\\a.jpeg"));
    Dialog().OnBrowse();
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\a.jpeg.jpg");

    // A cancelled browse changes nothing, also not the stored folder.
    store.writes.clear();
    EXPECT_CALL(dialogs, ShowSaveDialog).WillOnce(Return(""));
    Dialog().OnBrowse();
    EXPECT_EQ(Dialog().FileName(), "E:\\Neu\\a.jpeg.jpg");
    EXPECT_THAT(store.writes, IsEmpty());
}

TEST_F(SaveAsDialogTest, TheDialogSavesThePictureItWasOpenedForAndLetsGoOfItWhenItCloses) {
    std::weak_ptr<const Picture> watched = picture;
    const PicturePtr newer = std::make_shared<FakePicture>(400, 300, 2);
    EXPECT_CALL(codec, FromPicture(::testing::Ref(*picture)));
    Open([&] {
        Dialog().StartSaveAs(newer);  // a save hotkey while the dialog is open
        EXPECT_EQ(form.ModalShows(), 1) << "no second modal loop";
        Dialog().OnOk();
    });
    EXPECT_EQ(foregrounds, 2) << "the open dialog came to the front again";
    picture.reset();
    EXPECT_TRUE(watched.expired());

    Dialog().StartSaveAs(nullptr);
    EXPECT_EQ(form.ModalShows(), 1) << "without a screenshot the dialog does not open";
    EXPECT_THAT(messages.errors, ElementsAre("There is no screenshot to save."));
}

}  // namespace
}  // namespace snapwright
