#include "ui/CaptionSyntax.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

// A doubled marker is the character itself and marks nothing; a single one is taken out.
TEST(CaptionSyntax, DoubledMarkersAreTheCharacterAndSingleOnesAreTakenOut) {
    const ParsedCaption both = ParseCaption("A||B^^C");
    EXPECT_EQ(both.display, "A|B^C");
    EXPECT_FALSE(both.columnBreakWithBar);
    EXPECT_FALSE(both.columnBreak);

    const ParsedCaption bar = ParseCaption("|Second column||");
    EXPECT_EQ(bar.display, "Second column|");
    EXPECT_TRUE(bar.columnBreakWithBar);
    EXPECT_FALSE(bar.columnBreak);

    const ParsedCaption plain = ParseCaption("Next^");
    EXPECT_EQ(plain.display, "Next");
    EXPECT_TRUE(plain.columnBreak);

    const ParsedCaption header = ParseCaption("-Capture\tnone");
    EXPECT_TRUE(header.header);
    EXPECT_FALSE(header.separator);
    EXPECT_EQ(header.display, "Capture");
    EXPECT_EQ(header.shortcut, "none");

    const ParsedCaption separator = ParseCaption("-");
    EXPECT_TRUE(separator.separator);
    EXPECT_FALSE(separator.header);
    EXPECT_TRUE(ParseCaption("").display.empty());
}

// "&&" draws an ampersand and marks nothing: the accelerator is the letter after the first single
// "&", upper-cased in the scripts of the program's languages; a shortcut after the tab is no part
// of the display text.
TEST(CaptionSyntax, TheAcceleratorIsTheLetterAfterTheFirstSingleAmpersand) {
    const ParsedCaption saveAs = ParseCaption("Save &as...\tCtrl+&S");
    EXPECT_EQ(saveAs.display, "Save &as...");
    EXPECT_EQ(saveAs.shortcut, "Ctrl+&S");
    EXPECT_EQ(saveAs.accelerator, "A");

    EXPECT_EQ(ParseCaption("Print && &send").accelerator, "S");
    EXPECT_EQ(ParseCaption("Print && send").display, "Print && send") << "kept for drawing";
    EXPECT_EQ(ParseCaption("Print && send").accelerator, "");
    EXPECT_EQ(ParseCaption("Trailing&").accelerator, "");
    EXPECT_EQ(ParseCaption("&&&x").accelerator, "X");

    EXPECT_EQ(AcceleratorOf("&\u00e4ndern"), "\u00c4");            // ä
    EXPECT_EQ(AcceleratorOf("&\u00f7"), "\u00f7") << "the division sign has no capital";
    EXPECT_EQ(AcceleratorOf("&\u03b1\u03c1\u03c7\u03b5\u03af\u03bf"), "\u0391");  // Greek alpha
    EXPECT_EQ(AcceleratorOf("&\u03c2"), "\u03a3") << "final sigma";
    EXPECT_EQ(AcceleratorOf("&\u0444\u0430\u0439\u043b"), "\u0424");  // Cyrillic ef
    EXPECT_EQ(AcceleratorOf("&\u0451"), "\u0401");                    // Cyrillic io
    EXPECT_EQ(AcceleratorOf("&\u6587"), "\u6587") << "a letter without case keeps its three bytes";
    EXPECT_EQ(AcceleratorOf("&7"), "7");
}

}  // namespace
}  // namespace snapwright
