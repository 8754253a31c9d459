#include "print/PrintDialog.h"

#include <gtest/gtest.h>

#include "fakes/FakePrinter.h"

namespace snapwright {
namespace {

using Ops = std::vector<std::string>;
using Outcome = PrintDialogResult::Outcome;

struct RaisedError {
    std::int32_t number;
    std::string description;
    bool flag;
};

class PrintDialogTest : public testing::Test {
protected:
    PrintDialogTest() {
        dialog.SetDialogErrorHandler([this](std::int32_t number, const std::string& description, bool flag) {
            errors.push_back({number, description, flag});
        });
    }
    // The flags the dialog is shown with.
    std::uint32_t ShownFlags() {
        dialogs.requests.clear();
        dialog.ShowPrinter();
        return dialogs.requests.at(0).flags;
    }
    // The next dialog confirms the printer `name` with a settings block of the given fields.
    PrinterSettingsBlock& Confirm(const std::string& name, std::uint32_t fields = 0) {
        dialogs.answer = fakes::FakePrintDialogService::Confirmed(name, fields);
        return *dialogs.answer.settings;
    }

    fakes::RecordingPrinter printer;
    fakes::FakePrintDialogService dialogs;
    PrintDialog dialog{dialogs, printer};
    std::vector<RaisedError> errors;
};

TEST_F(PrintDialogTest, AllPagesClearsPageNumbersAndSelectionOnly) {
    EXPECT_TRUE(dialog.AllPages());
    dialog.SetPageNumbers(true);
    dialog.SetCollateCopies(true);
    EXPECT_FALSE(dialog.AllPages());
    dialog.SetAllPages(false);
    EXPECT_TRUE(dialog.PageNumbers()) << "false changes nothing";

    dialog.SetSelection(true);
    dialog.SetAllPages(true);
    EXPECT_TRUE(dialog.AllPages());
    EXPECT_EQ(ShownFlags(), 0x10u) << "page numbers and selection cleared, collate kept";
    dialog.SetSelection(true);
    EXPECT_FALSE(dialog.AllPages()) << "one of the two is enough";
}

TEST_F(PrintDialogTest, CancelLeavesEverythingAsItWas) {
    dialog.ShowPrinter();
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.DeviceName(), "");
    EXPECT_TRUE(printer.TakeOps().empty()) << "the current printer is unchanged";

    Confirm("SnapwrightPDF", PrintDialog::kDmOrientation).orientation = 2;
    dialog.ShowPrinter();
    EXPECT_FALSE(dialog.Cancelled());

    dialogs.answer = PrintDialogResult{};
    dialog.ShowPrinter();
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.DeviceName(), "SnapwrightPDF");
    EXPECT_EQ(dialog.Orientation(), 2);
    EXPECT_FALSE(dialog.OrientationValid()) << "every dialog starts with an empty field mask";
    EXPECT_TRUE(errors.empty());
}

TEST_F(PrintDialogTest, ADialogFailureRaisesDialogErrorAndIsNoCancel) {
    dialogs.answer.outcome = Outcome::Failed;
    dialogs.answer.errorCode = 0x1008;
    dialog.ShowPrinter();
    EXPECT_FALSE(dialog.Cancelled());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].number, 0x1008);
    EXPECT_EQ(errors[0].description, "");
    EXPECT_FALSE(errors[0].flag);
}

TEST_F(PrintDialogTest, TheConfirmedPrinterBecomesCurrentOnlyByItsExactName) {
    Confirm("snapwrightpdf");
    dialog.ShowPrinter();
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "Office Laser") << "an unknown name keeps the current printer";

    Confirm("SnapwrightPDF");
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select SnapwrightPDF"}));
    EXPECT_EQ(dialog.DeviceName(), "SnapwrightPDF");
}

TEST_F(PrintDialogTest, APrinterWithANameLongerThanTheSettingsBlockIsFoundByItsFullName) {
    const std::string longName = "Accounting department colour laser, second floor";
    printer.installed = {"Office Laser", longName.substr(0, 31), longName};
    Confirm(longName.substr(0, 31));
    dialogs.answer.deviceName = longName;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select " + longName}));
    EXPECT_EQ(dialog.DeviceName(), longName);

    // Without a names block only the settings block's name is known.
    printer.installed = {"Office Laser", longName};
    printer.current = "Office Laser";
    dialogs.answer.deviceName.reset();
    dialog.ShowPrinter();
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "Office Laser");
}

TEST_F(PrintDialogTest, SettingsAreAppliedToTheCurrentPrinterInOrder) {
    PrinterSettingsBlock& block = Confirm("Office Laser", 0x7ffffff);
    block.orientation = 1;
    block.paperSize = 9;
    block.copies = 2;
    block.printQuality = -4;
    block.color = 2;
    block.duplex = 3;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "orientation 1", "paper size 9", "copies 2",
                                      "quality -4", "colour 2", "duplex 3"}));
}

TEST_F(PrintDialogTest, ALandscapeChoiceSwapsPaperLengthAndWidth) {
    PrinterSettingsBlock& block = Confirm("Office Laser", PrintDialog::kDmOrientation |
                                                              PrintDialog::kDmPaperLength |
                                                              PrintDialog::kDmPaperWidth);
    block.orientation = 2;
    block.paperLength = 2970;
    block.paperWidth = 2100;
    dialog.ShowPrinter();
    EXPECT_EQ(dialog.Orientation(), 2);
    EXPECT_EQ(printer.Orientation(), kLandscape);
    EXPECT_EQ(dialog.PaperLength(), 2100);
    EXPECT_EQ(dialog.PaperWidth(), 2970);

    block.orientation = 1;
    dialog.ShowPrinter();
    EXPECT_EQ(dialog.PaperLength(), 2970);
    EXPECT_EQ(dialog.PaperWidth(), 2100);
}

TEST_F(PrintDialogTest, CopiesFollowTheBlockOnlyWhenItNamesAtLeastOne) {
    PrinterSettingsBlock& block = Confirm("Office Laser", PrintDialog::kDmCopies);
    block.copies = 0;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "copies 1"}));
    EXPECT_EQ(dialog.Copies(), 0) << "a fresh instance keeps its 0";

    block.copies = 3;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "copies 3"}));
    EXPECT_EQ(dialog.Copies(), 3);

    block.copies = -2;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "copies 1"}));
    EXPECT_EQ(dialog.Copies(), 3) << "keeps its previous value";

    block.fields = 0;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser"})) << "the printer is not touched";
    EXPECT_EQ(dialog.Copies(), 1);
}

TEST_F(PrintDialogTest, AnUnreadableSettingsBlockEndsTheDialogWithoutAChoice) {
    dialogs.answer.outcome = Outcome::Confirmed;
    dialogs.answer.deviceName = "SnapwrightPDF";
    dialogs.answer.fromPage = 7;
    dialog.ShowPrinter();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "");
    EXPECT_EQ(dialog.FromPage(), 0);
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace snapwright
