#include "platform/win32/Win32PrintDialogService.h"

#include <gtest/gtest.h>

#include "PrintingTools.h"
#include "platform/win32/GdiPrinter.h"
#include "platform/win32/PrinterHandles.h"
#include "platform/win32/WideText.h"
#include "print/PrintDialog.h"

namespace snapwright::win32 {
namespace {

class PrintDialogServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (snapwright::testing::PdfFolder().empty()) GTEST_SKIP() << "no PDF printer in this run";
        dialog.SetDialogErrorHandler([this](std::int32_t number, const std::string&, bool) { errors.push_back(number); });
    }
    Win32PrintDialogService service;
    GdiPrinter printer;
    PrintDialog dialog{service, printer};
    std::vector<std::int32_t> errors;
};

TEST_F(PrintDialogServiceTest, TheDefaultPrinterComesWithoutADialog) {
    EXPECT_EQ(dialog.GetDefaultPrinterName(), ToUtf8(DefaultPrinterName()));
    EXPECT_EQ(dialog.GetDefaultPrinterName(), "SnapwrightPDF");
    EXPECT_TRUE(errors.empty());
}

TEST_F(PrintDialogServiceTest, ConfirmingTheDialogMakesThePrinterCurrentWithItsSettings) {
    dialog.SetAllPages(true);
    dialog.SetFromPage(1);
    dialog.SetToPage(1);
    dialog.SetMinPage(1);
    dialog.SetMaxPage(1);
    {
        snapwright::testing::DialogAnswer answer(IDOK);
        dialog.ShowPrinter();
    }
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.DeviceName(), "SnapwrightPDF");
    EXPECT_EQ(printer.DeviceName(), "SnapwrightPDF");
    EXPECT_TRUE(dialog.OrientationValid());
    EXPECT_EQ(dialog.Orientation(), printer.Orientation());
    EXPECT_TRUE(dialog.CopiesValid());
    EXPECT_GE(dialog.Copies(), 1);
    EXPECT_EQ(dialog.FromPage(), 1);
    EXPECT_EQ(dialog.MaxPage(), 1);
}

TEST_F(PrintDialogServiceTest, CancellingTheDialogIsNoError) {
    {
        snapwright::testing::DialogAnswer answer(IDCANCEL);
        dialog.ShowPrinter();
    }
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(dialog.DeviceName(), "");
}

TEST_F(PrintDialogServiceTest, DocumentPropertiesOfAMissingPrinterRaiseDialogError) {
    dialog.ChangeDocProperties("SnapwrightPDF");
    EXPECT_TRUE(errors.empty());
    dialog.ChangeDocProperties("No such printer");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0], 0);
}

}  // namespace
}  // namespace snapwright::win32
