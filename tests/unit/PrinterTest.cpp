#include "platform/Printer.h"

#include <gtest/gtest.h>

#include "fakes/FakePrinter.h"

namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

TEST(PrinterText, EachCrLfStartsALineAtTheLeftEdgeAndTheTextEndsAtTheStartOfTheNextLine) {
    fakes::RecordingPrinter printer;
    printer.SetCurrentPosition(35, 10);
    printer.Print("one\r\n\r\nthree");
    printer.Print("a\nb\rc\n\rd");  // only the full pair breaks a line
    printer.Print("");
    EXPECT_EQ(printer.TakeOps(), (Ops{"text 35,10 one", "text 0,20 three", "text 0,25 a\nb\rc\n\rd"}))
        << "empty lines only move the position";
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 35);
}

TEST(PrinterText, EndingOrAbandoningTheDocumentStartsTheNextAtTheTop) {
    fakes::RecordingPrinter printer;
    printer.SetCurrentPosition(35, 270);
    printer.EndDoc();
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 0);

    printer.SetCurrentPosition(75, 195);
    printer.KillDoc();
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 0);
    EXPECT_EQ(printer.TakeOps(), (Ops{"end", "kill"}));
}

}  // namespace
}  // namespace snapwright
