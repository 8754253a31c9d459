#include "platform/win32/GdiPrinter.h"

#include <gtest/gtest.h>


#include "PixelTools.h"
#include "PrintingTools.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::PdfFiles;
using snapwright::testing::PdfFolder;
using snapwright::testing::WaitForNewPdf;

PicturePtr PatternPicture(int width, int height) {
    WindowDc screen(nullptr, false);
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen.get(), width, height);
    {
        ScopedSelectObject select(memory.get(), bitmap);
        snapwright::testing::PaintPattern(memory.get(), 0, 0, width, height);
    }
    return BitmapToPicture(bitmap, nullptr);
}

class GdiPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = PdfFolder();
        if (folder.empty()) GTEST_SKIP() << "no PDF printer in this run (SNAPWRIGHT_PDF_DIR is not set)";
    }
    std::wstring folder;
};

TEST_F(GdiPrinterTest, SettingsGoIntoTheDeviceModeOfTheNextDocument) {
    GdiPrinter printer;
    printer.SetOrientation(kLandscape);
    printer.SetCopies(2);
    EXPECT_EQ(printer.Orientation(), kLandscape);
    ASSERT_NE(printer.DeviceMode(), nullptr);
    EXPECT_EQ(printer.DeviceMode()->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_TRUE(printer.DeviceMode()->dmFields & DM_ORIENTATION);
    EXPECT_EQ(printer.DeviceMode()->dmCopies, 2);
    printer.SetOrientation(kPortrait);
    EXPECT_EQ(printer.Orientation(), kPortrait);

    printer.SelectPrinter("SnapwrightPDF");
    EXPECT_EQ(printer.DeviceMode()->dmCopies, 1) << "a chosen printer starts from its own defaults";
}

TEST_F(GdiPrinterTest, TextLinesAdvanceByTheFontsLineHeight) {
    GdiPrinter printer;
    printer.SetFontName("Arial");
    printer.SetCurrentPosition(20, 140);
    printer.Print("Snapwright\r\nsecond line");
    const double twoLines = printer.CurrentY() - 140;
    printer.KillDoc();
    // Two lines of text of 6 to 9 points take 4.5 to 7.5 millimetres: four lines end above the shot
    // 15 mm down.
    EXPECT_GT(twoLines, 4.5);
    EXPECT_LT(twoLines, 7.5);
    EXPECT_EQ(printer.CurrentX(), 0);
}

TEST_F(GdiPrinterTest, AnAbandonedDocumentPrintsNothingAndTheNextOneAPage) {
    const auto before = PdfFiles(folder);
    GdiPrinter printer;
    printer.SetFontName("Arial");
    printer.Print("abandoned");
    printer.KillDoc();

    printer.Print("\r\n\r\nprinted");
    const PicturePtr picture = PatternPicture(320, 240);
    printer.PaintPicture(*picture, 15, 15, 180, 135);
    printer.EndDoc();
    const std::wstring pdf = WaitForNewPdf(folder, before);
    ASSERT_FALSE(pdf.empty()) << "no PDF file appeared";
    EXPECT_EQ(PdfFiles(folder).size(), before.size() + 1) << "the abandoned document made a file too";
}

}  // namespace
}  // namespace snapwright::win32
