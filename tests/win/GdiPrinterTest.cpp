#include "platform/win32/GdiPrinter.h"

#include <gtest/gtest.h>

#include "PixelTools.h"
#include "PrintingTools.h"
#include "platform/win32/GdiPicture.h"

// The e2e tests print real pages in both orientations and check where the text lines fall; the
// one path they cannot reach is a document that is abandoned half-way.
namespace snapwright::win32 {
namespace {

using snapwright::testing::PdfFiles;
using snapwright::testing::PdfFolder;
using snapwright::testing::WaitForNewPdf;

TEST(GdiPrinter, AnAbandonedDocumentPrintsNothingAndTheNextOneAPage) {
    const std::wstring folder = PdfFolder();
    if (folder.empty()) GTEST_SKIP() << "no PDF printer in this run (SNAPWRIGHT_PDF_DIR is not set)";
    const auto before = PdfFiles(folder);
    GdiPrinter printer;
    printer.SetFontName("Arial");
    printer.Print("abandoned");
    printer.KillDoc();

    printer.Print("\r\n\r\nprinted");
    const PicturePtr picture = snapwright::testing::PatternPicture(320, 240);
    printer.PaintPicture(*picture, 15, 15, 180, 135);
    printer.EndDoc();
    ASSERT_FALSE(WaitForNewPdf(folder, before).empty()) << "no PDF file appeared";
    EXPECT_EQ(PdfFiles(folder).size(), before.size() + 1) << "no page, or a page of the abandoned document too";
}

}  // namespace
}  // namespace snapwright::win32
