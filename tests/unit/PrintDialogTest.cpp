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

    fakes::RecordingPrinter printer;
    fakes::FakePrintDialogService dialogs;
    clsPrintDialog dialog{dialogs, printer};
    std::vector<RaisedError> errors;
};

struct FlagProperty {
    const char* name;
    bool (clsPrintDialog::*get)() const;
    void (clsPrintDialog::*set)(bool);
    std::uint32_t value;
};

const FlagProperty kFlagProperties[] = {
    {"PD_Selection", &clsPrintDialog::PD_Selection, &clsPrintDialog::SetPD_Selection, 0x1},
    {"PD_PageNums", &clsPrintDialog::PD_PageNums, &clsPrintDialog::SetPD_PageNums, 0x2},
    {"PD_NoSelection", &clsPrintDialog::PD_NoSelection, &clsPrintDialog::SetPD_NoSelection, 0x4},
    {"PD_NoPageNums", &clsPrintDialog::PD_NoPageNums, &clsPrintDialog::SetPD_NoPageNums, 0x8},
    {"PD_Collate", &clsPrintDialog::PD_Collate, &clsPrintDialog::SetPD_Collate, 0x10},
    {"PD_PrintToFile", &clsPrintDialog::PD_PrintToFile, &clsPrintDialog::SetPD_PrintToFile, 0x20},
    {"PD_PrintSetup", &clsPrintDialog::PD_PrintSetup, &clsPrintDialog::SetPD_PrintSetup, 0x40},
    {"PD_NoWarning", &clsPrintDialog::PD_NoWarning, &clsPrintDialog::SetPD_NoWarning, 0x80},
    {"PD_ReturnDC", &clsPrintDialog::PD_ReturnDC, &clsPrintDialog::SetPD_ReturnDC, 0x100},
    {"PD_ReturnIC", &clsPrintDialog::PD_ReturnIC, &clsPrintDialog::SetPD_ReturnIC, 0x200},
    {"PD_ReturnDefault", &clsPrintDialog::PD_ReturnDefault, &clsPrintDialog::SetPD_ReturnDefault, 0x400},
    {"PD_HelpButton", &clsPrintDialog::PD_HelpButton, &clsPrintDialog::SetPD_HelpButton, 0x800},
    {"PD_UseDevModeCopies", &clsPrintDialog::PD_UseDevModeCopies, &clsPrintDialog::SetPD_UseDevModeCopies, 0x40000},
    {"PD_DisablePrintToFile", &clsPrintDialog::PD_DisablePrintToFile, &clsPrintDialog::SetPD_DisablePrintToFile,
     0x80000},
    {"PD_HidePrintToFile", &clsPrintDialog::PD_HidePrintToFile, &clsPrintDialog::SetPD_HidePrintToFile, 0x100000},
    {"PD_NONETWORKBUTTON", &clsPrintDialog::PD_NONETWORKBUTTON, &clsPrintDialog::SetPD_NONETWORKBUTTON, 0x200000},
};

TEST_F(PrintDialogTest, EachFlagPropertyShowsTheDialogWithItsPublishedValue) {
    EXPECT_EQ(ShownFlags(), 0u) << "all flags false: the plain print dialog";
    for (const FlagProperty& flag : kFlagProperties) {
        (dialog.*flag.set)(true);
        EXPECT_TRUE((dialog.*flag.get)()) << flag.name;
        EXPECT_EQ(ShownFlags(), flag.value) << flag.name;
        (dialog.*flag.set)(false);
        EXPECT_FALSE((dialog.*flag.get)()) << flag.name;
        EXPECT_EQ(ShownFlags(), 0u) << flag.name;
    }
}

TEST_F(PrintDialogTest, FlagsAreOredTogether) {
    dialog.SetPD_Collate(true);
    dialog.SetPD_NoSelection(true);
    dialog.SetPD_HidePrintToFile(true);
    EXPECT_EQ(ShownFlags(), 0x10u | 0x4u | 0x100000u);
    dialog.SetPD_Collate(true);
    EXPECT_EQ(ShownFlags(), 0x10u | 0x4u | 0x100000u) << "setting a flag twice does not add it twice";
}

TEST_F(PrintDialogTest, AllPagesClearsPageNumbersAndSelection) {
    EXPECT_TRUE(dialog.PD_AllPages());
    dialog.SetPD_PageNums(true);
    dialog.SetPD_Selection(true);
    dialog.SetPD_Collate(true);
    EXPECT_FALSE(dialog.PD_AllPages());

    dialog.SetPD_AllPages(false);
    EXPECT_TRUE(dialog.PD_PageNums()) << "false changes nothing";
    EXPECT_FALSE(dialog.PD_AllPages());

    dialog.SetPD_AllPages(true);
    EXPECT_FALSE(dialog.PD_PageNums());
    EXPECT_FALSE(dialog.PD_Selection());
    EXPECT_TRUE(dialog.PD_Collate());
    EXPECT_TRUE(dialog.PD_AllPages());
    EXPECT_EQ(ShownFlags(), 0x10u);

    dialog.SetPD_Selection(true);
    EXPECT_FALSE(dialog.PD_AllPages()) << "one of the two is enough";
}

TEST_F(PrintDialogTest, PageValuesGoToTheDialogAndComeBackWithoutTheCopies) {
    dialog.SetPDnFromPage(2);
    dialog.SetPDnToPage(5);
    dialog.SetPDnMinPage(1);
    dialog.SetPDnMaxPage(9);
    dialog.SetPDnCopies(3);
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser");
    dialogs.answer.fromPage = 4;
    dialogs.answer.toPage = 4;
    dialogs.answer.minPage = 1;
    dialogs.answer.maxPage = 8;
    dialog.ShowPrinter(0x1234);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    const PrintDialogRequest& request = dialogs.requests[0];
    EXPECT_EQ(request.owner, 0x1234u);
    EXPECT_EQ(request.fromPage, 2);
    EXPECT_EQ(request.toPage, 5);
    EXPECT_EQ(request.minPage, 1);
    EXPECT_EQ(request.maxPage, 9);
    EXPECT_EQ(request.copies, 3);
    EXPECT_EQ(dialog.PDnFromPage(), 4);
    EXPECT_EQ(dialog.PDnToPage(), 4);
    EXPECT_EQ(dialog.PDnMinPage(), 1);
    EXPECT_EQ(dialog.PDnMaxPage(), 8);
    EXPECT_EQ(dialog.PDnCopies(), 3);
}

TEST_F(PrintDialogTest, CancelLeavesEverythingAsItWas) {
    dialog.ShowPrinter();
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.DeviceName(), "");
    EXPECT_TRUE(printer.TakeOps().empty()) << "the current printer is unchanged";
    EXPECT_TRUE(errors.empty());

    dialogs.answer = fakes::FakePrintDialogService::Confirmed("SnapwrightPDF", clsPrintDialog::kDmOrientation);
    dialogs.answer.settings->orientation = 2;
    dialog.ShowPrinter();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.DeviceName(), "SnapwrightPDF");

    dialogs.answer = PrintDialogResult{};
    dialog.ShowPrinter();
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.DeviceName(), "SnapwrightPDF");
    EXPECT_EQ(dialog.Orientation(), 2);
    EXPECT_FALSE(dialog.OrientationValid()) << "every dialog starts with an empty field mask";
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
    EXPECT_TRUE(printer.TakeOps().empty());
}

TEST_F(PrintDialogTest, TheConfirmedPrinterBecomesCurrent) {
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("SnapwrightPDF");
    dialogs.answer.deviceName = "SnapwrightPDF";
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select SnapwrightPDF"}));
    EXPECT_EQ(printer.current, "SnapwrightPDF");
    EXPECT_EQ(dialog.DeviceName(), "SnapwrightPDF");
}

TEST_F(PrintDialogTest, NamesAreMatchedExactlyAndAnUnknownNameKeepsTheCurrentPrinter) {
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("snapwrightpdf");
    dialog.ShowPrinter();
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "Office Laser");
}

TEST_F(PrintDialogTest, APrinterWithANameLongerThanTheSettingsBlockIsFoundByItsFullName) {
    const std::string longName = "Accounting department colour laser, second floor";
    printer.installed = {"Office Laser", longName.substr(0, 31), longName};
    dialogs.answer = fakes::FakePrintDialogService::Confirmed(longName.substr(0, 31));
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
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser", 0x7ffffff);
    PrinterSettingsBlock& block = *dialogs.answer.settings;
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
    const std::uint32_t fields =
        clsPrintDialog::kDmOrientation | clsPrintDialog::kDmPaperLength | clsPrintDialog::kDmPaperWidth;
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser", fields);
    dialogs.answer.settings->orientation = 2;
    dialogs.answer.settings->paperLength = 2970;
    dialogs.answer.settings->paperWidth = 2100;
    dialog.ShowPrinter();
    EXPECT_EQ(dialog.Orientation(), 2);
    EXPECT_EQ(printer.Orientation(), kLandscape);
    EXPECT_EQ(dialog.PaperLength(), 2100);
    EXPECT_EQ(dialog.PaperWidth(), 2970);

    dialogs.answer.settings->orientation = 1;
    dialog.ShowPrinter();
    EXPECT_EQ(dialog.PaperLength(), 2970);
    EXPECT_EQ(dialog.PaperWidth(), 2100);
}

TEST_F(PrintDialogTest, CopiesFollowTheBlockOnlyWhenItNamesAtLeastOne) {
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser", clsPrintDialog::kDmCopies);
    dialogs.answer.settings->copies = 0;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "copies 1"}));
    EXPECT_EQ(dialog.Copies(), 0) << "a fresh instance keeps its 0";

    dialogs.answer.settings->copies = 3;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "copies 3"}));
    EXPECT_EQ(dialog.Copies(), 3);

    dialogs.answer.settings->copies = -2;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser", "copies 1"}));
    EXPECT_EQ(dialog.Copies(), 3) << "keeps its previous value";

    dialogs.answer.settings->fields = 0;
    dialog.ShowPrinter();
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser"})) << "the printer is not touched";
    EXPECT_EQ(dialog.Copies(), 1);
}

struct ValidProperty {
    const char* name;
    bool (clsPrintDialog::*valid)() const;
    std::uint32_t bit;
};

TEST_F(PrintDialogTest, EachValidPropertyReportsItsOwnFieldBit) {
    const ValidProperty properties[] = {
        {"Orientation", &clsPrintDialog::OrientationValid, 0x1},
        {"PaperSize", &clsPrintDialog::PaperSizeValid, 0x2},
        {"PaperLength", &clsPrintDialog::PaperLengthValid, 0x4},
        {"PaperWidth", &clsPrintDialog::PaperWidthValid, 0x8},
        {"ScalePercent", &clsPrintDialog::ScalePercentValid, 0x10},
        {"Copies", &clsPrintDialog::CopiesValid, 0x100},
        {"DefaultSource", &clsPrintDialog::DefaultSourceValid, 0x200},
        {"PrintQuality", &clsPrintDialog::PrintQualityValid, 0x400},
        {"Color", &clsPrintDialog::ColorValid, 0x800},
        {"Duplex", &clsPrintDialog::DuplexValid, 0x1000},
        {"YResolution", &clsPrintDialog::YResolutionValid, 0x2000},
        {"TTOption", &clsPrintDialog::TTOptionValid, 0x4000},
        {"Collate", &clsPrintDialog::CollateValid, 0x8000},
        {"FormName", &clsPrintDialog::FormNameValid, 0x10000},
        {"ICMMethod", &clsPrintDialog::ICMMethodValid, 0x800000},
        {"ICMIntent", &clsPrintDialog::ICMIntentValid, 0x1000000},
        {"MediaType", &clsPrintDialog::MediaTypeValid, 0x2000000},
        {"DitherType", &clsPrintDialog::DitherTypeValid, 0x4000000},
    };
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser");
    for (const ValidProperty& property : properties) {
        dialogs.answer.settings->fields = property.bit;
        dialog.ShowPrinter();
        for (const ValidProperty& other : properties) {
            EXPECT_EQ((dialog.*other.valid)(), other.bit == property.bit)
                << other.name << "Valid after a block with only the " << property.name << " bit";
        }
        dialogs.answer.settings->fields = 0x7ffffff & ~property.bit;
        dialog.ShowPrinter();
        EXPECT_FALSE((dialog.*property.valid)()) << property.name << "Valid with every other bit set";
    }
}

TEST_F(PrintDialogTest, SettingsAreTakenOnlyUnderTheirBits) {
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser", clsPrintDialog::kDmFormName |
                                                                                clsPrintDialog::kDmMediaType |
                                                                                clsPrintDialog::kDmDitherType);
    PrinterSettingsBlock& block = *dialogs.answer.settings;
    block.formName = std::string("A4\0Letter", 9);
    block.formName.resize(32, '\0');
    block.mediaType = 258;
    block.ditherType = 4;
    block.scale = 75;
    block.duplex = 2;
    block.driverVersion = 0x0400;
    dialog.ShowPrinter();
    EXPECT_EQ(dialog.FormName(), "A4");
    EXPECT_EQ(dialog.MediaType(), 258u);
    EXPECT_EQ(dialog.DitherType(), 4u);
    EXPECT_EQ(dialog.ScalePercent(), 0) << "scale bit clear";
    EXPECT_EQ(dialog.Duplex(), 0) << "duplex bit clear";
    EXPECT_EQ(dialog.DriverVersion(), 0x0400);
    EXPECT_EQ(printer.TakeOps(), (Ops{"select Office Laser"})) << "nothing applied without its bit";
}

TEST_F(PrintDialogTest, AnUnreadableSettingsBlockEndsTheDialogWithoutAChoice) {
    dialogs.answer.outcome = Outcome::Confirmed;
    dialogs.answer.deviceName = "SnapwrightPDF";
    dialogs.answer.fromPage = 7;
    dialog.ShowPrinter();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(dialog.DeviceName(), "");
    EXPECT_EQ(dialog.PDnFromPage(), 0);
    EXPECT_TRUE(errors.empty());
}

TEST(PrintDialogClipNullChar, CutsAtTheFirstNul) {
    EXPECT_EQ(clsPrintDialog::ClipNullChar(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(clsPrintDialog::ClipNullChar("abcdef"), "abcdef");
    EXPECT_EQ(clsPrintDialog::ClipNullChar(""), "");
    EXPECT_EQ(clsPrintDialog::ClipNullChar(std::string("\0abc", 4)), "");
    EXPECT_EQ(clsPrintDialog::ClipNullChar(std::string("a\0b\0", 4)), "a");
}

TEST_F(PrintDialogTest, VersionAndCopyRightIdentifyTheClass) {
    EXPECT_EQ(dialog.Version(), "1.00 (14.01.2000)");
    EXPECT_NE(dialog.CopyRight().find("Snapwright authors"), std::string::npos);
}

TEST_F(PrintDialogTest, DefaultPrinterNameComesWithoutADialog) {
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("A printer with a very long name");
    dialogs.answer.deviceName = "A printer with a very long name, in full";
    EXPECT_EQ(dialog.GetDefaultPrinterName(0x42), "A printer with a very long name, in full");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].flags, 0x400u);
    EXPECT_EQ(dialogs.requests[0].owner, 0x42u);
    EXPECT_EQ(dialogs.requests[0].fromPage, 0);
    EXPECT_EQ(dialogs.requests[0].copies, 0);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the current printer stays";

    dialogs.answer.deviceName.reset();
    EXPECT_EQ(dialog.GetDefaultPrinterName(), "A printer with a very long name");

    dialogs.answer.settings.reset();
    EXPECT_EQ(dialog.GetDefaultPrinterName(), "");
    EXPECT_TRUE(errors.empty());

    dialogs.answer.outcome = Outcome::Failed;
    dialogs.answer.errorCode = 0x1008;
    EXPECT_EQ(dialog.GetDefaultPrinterName(), "");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].number, 0x1008);
}

TEST_F(PrintDialogTest, ChangeDocPropertiesReportsAPrinterThatCannotBeOpened) {
    dialogs.properties.opened = true;
    dialog.ChangeDocProperties("Office Laser", 0x42);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(dialogs.propertyRequests.size(), 1u);
    EXPECT_EQ(dialogs.propertyRequests[0].first, "Office Laser");
    EXPECT_EQ(dialogs.propertyRequests[0].second, 0x42u);

    dialogs.properties.opened = false;
    dialogs.properties.errorCode = 1801;
    dialog.ChangeDocProperties("Gone");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].number, 1801);
    EXPECT_EQ(errors[0].description, "Fehler in ChangeDocProperties");
    EXPECT_FALSE(errors[0].flag);
}

}  // namespace
}  // namespace snapwright
