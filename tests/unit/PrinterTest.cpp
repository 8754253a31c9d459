#include "platform/Printer.h"

#include <gtest/gtest.h>

#include "fakes/FakePrinter.h"

namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

TEST(PrinterText, TextStartsAtTheCurrentPositionAndEndsAtTheStartOfTheNextLine) {
    fakes::RecordingPrinter printer;
    printer.SetCurrentPosition(20, 140);
    printer.Print("Screenshot");
    EXPECT_EQ(printer.TakeOps(), (Ops{"text 20,140 Screenshot"}));
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 145);

    printer.Print("next");
    EXPECT_EQ(printer.TakeOps(), (Ops{"text 0,145 next"}));
    EXPECT_EQ(printer.CurrentY(), 150);
}

TEST(PrinterText, CrLfInsideTheTextStartsANewLineAtTheLeftEdge) {
    fakes::RecordingPrinter printer;
    printer.SetCurrentPosition(35, 10);
    printer.Print("one\r\ntwo\r\nthree");
    EXPECT_EQ(printer.TakeOps(), (Ops{"text 35,10 one", "text 0,15 two", "text 0,20 three"}));
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 25);
}

TEST(PrinterText, EmptyLinesOnlyMoveThePosition) {
    fakes::RecordingPrinter printer;
    printer.Print("\r\n\r\n");
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_EQ(printer.CurrentY(), 3 * fakes::RecordingPrinter::kLineHeight);

    printer.Print("");
    EXPECT_EQ(printer.CurrentY(), 4 * fakes::RecordingPrinter::kLineHeight);
    printer.Print("end\r\n");
    EXPECT_EQ(printer.TakeOps(), (Ops{"text 0,20 end"}));
    EXPECT_EQ(printer.CurrentY(), 6 * fakes::RecordingPrinter::kLineHeight);
}

TEST(PrinterText, OnlyTheFullPairBreaksALine) {
    fakes::RecordingPrinter printer;
    printer.Print("a\nb\rc\n\rd");
    EXPECT_EQ(printer.TakeOps(), (Ops{"text 0,0 a\nb\rc\n\rd"}));
    EXPECT_EQ(printer.CurrentY(), fakes::RecordingPrinter::kLineHeight);
}

TEST(PrinterText, EndingOrAbandoningTheDocumentStartsTheNextAtTheTop) {
    fakes::RecordingPrinter printer;
    printer.SetCurrentPosition(35, 270);
    printer.Print("foot");
    printer.EndDoc();
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 0);
    EXPECT_EQ(printer.documentsEnded, 1);

    printer.SetCurrentPosition(75, 195);
    printer.KillDoc();
    EXPECT_EQ(printer.CurrentY(), 0);
    EXPECT_EQ(printer.documentsKilled, 1);
}

}  // namespace
}  // namespace snapwright
