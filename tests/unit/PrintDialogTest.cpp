#include "print/PrintDialog.h"

#include <gtest/gtest.h>

#include "fakes/FakePrinter.h"

// The printer choice as the hardcopy uses it: which printer becomes current. The e2e tests confirm
// and cancel the real dialog.
namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

TEST(PrintDialogTest, APrinterWithANameLongerThanTheSettingsBlockIsFoundByItsFullName) {
    fakes::RecordingPrinter printer;
    fakes::FakePrintDialogService dialogs;
    PrintDialog dialog{dialogs, printer};
    const std::string longName = "Accounting department colour laser, second floor";
    printer.installed = {"Office Laser", longName.substr(0, 31), longName};
    dialogs.answer = fakes::FakePrintDialogService::Confirmed(longName.substr(0, 31));
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

}  // namespace
}  // namespace snapwright
