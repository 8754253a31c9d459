#include "print/PrintDialog.h"

#include <gtest/gtest.h>

#include <utility>

#include "fakes/FakePrinter.h"

// The printer choice as the hardcopy uses it: which printer becomes current and which of the
// dialog's settings reach it. The e2e tests confirm and cancel the real dialog.
namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

class PrintDialogTest : public testing::Test {
protected:
    // The next dialog confirms the printer `name` with a settings block of the given fields.
    PrinterSettingsBlock& Confirm(const std::string& name, std::uint32_t fields = 0) {
        dialogs.answer = fakes::FakePrintDialogService::Confirmed(name, fields);
        return *dialogs.answer.settings;
    }

    fakes::RecordingPrinter printer;
    fakes::FakePrintDialogService dialogs;
    PrintDialog dialog{dialogs, printer};
};

TEST_F(PrintDialogTest, APrinterWithANameLongerThanTheSettingsBlockIsFoundByItsFullName) {
    const std::string longName = "Accounting department colour laser, second floor";
    printer.installed = {"Office Laser", longName.substr(0, 31), longName};
    Confirm(longName.substr(0, 31));
    dialogs.answer.deviceName = longName;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select " + longName}));
    EXPECT_EQ(dialog.DeviceName(), longName);

    // Without a names block only the settings block's name is known: a name of no installed printer
    // keeps the current one.
    printer.installed = {"Office Laser", longName};
    printer.current = "Office Laser";
    dialogs.answer.deviceName.reset();
    dialog.ShowPrinter();
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "Office Laser");
}

TEST_F(PrintDialogTest, TheChosenSettingsReachTheCurrentPrinterInOrder) {
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

    // Copies follow the block only when it names at least one.
    block.fields = PrintDialog::kDmCopies;
    for (const auto& [copies, applied] : {std::pair{0, "copies 1"}, std::pair{3, "copies 3"}, std::pair{-2, "copies 1"}}) {
        block.copies = static_cast<std::int16_t>(copies);
        dialog.ShowPrinter();
        EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", applied})) << copies << " copies";
    }
    block.fields = 0;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser"})) << "nothing that the block does not name";
}

TEST_F(PrintDialogTest, AnUnreadableSettingsBlockEndsTheDialogWithoutAChoice) {
    dialogs.answer.outcome = PrintDialogResult::Outcome::Confirmed;
    dialogs.answer.deviceName = "SnapwrightPDF";
    dialog.ShowPrinter();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "");
}

}  // namespace
}  // namespace snapwright
