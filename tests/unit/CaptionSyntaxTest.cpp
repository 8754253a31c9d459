#include "ui/CaptionSyntax.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(CaptionSyntax, DashAloneIsASeparatorAndLeadingDashAHeader) {
    const ParsedCaption separator = ParseCaption("-");
    EXPECT_TRUE(separator.separator);
    EXPECT_FALSE(separator.header);
    EXPECT_EQ(separator.display, "-");

    const ParsedCaption header = ParseCaption("-Tools");
    EXPECT_TRUE(header.header);
    EXPECT_FALSE(header.separator);
    EXPECT_EQ(header.display, "Tools");

    const ParsedCaption dashes = ParseCaption("--");
    EXPECT_TRUE(dashes.header) << "only the first dash is the marker";
    EXPECT_EQ(dashes.display, "-");

    const ParsedCaption inner = ParseCaption("Half-time");
    EXPECT_FALSE(inner.header || inner.separator);
    EXPECT_EQ(inner.display, "Half-time");
}

TEST(CaptionSyntax, SingleBarStartsAColumnWithBarAndDoubleBarIsALiteral) {
    const ParsedCaption column = ParseCaption("Options|");
    EXPECT_TRUE(column.columnBreakWithBar);
    EXPECT_FALSE(column.columnBreak);
    EXPECT_EQ(column.display, "Options");

    const ParsedCaption literal = ParseCaption("Black||White");
    EXPECT_FALSE(literal.columnBreakWithBar);
    EXPECT_EQ(literal.display, "Black|White");

    const ParsedCaption both = ParseCaption("|A||B");
    EXPECT_TRUE(both.columnBreakWithBar);
    EXPECT_EQ(both.display, "A|B");
}

TEST(CaptionSyntax, CaretStartsAColumnWithoutBarAndDoubleCaretIsALiteral) {
    const ParsedCaption column = ParseCaption("^Second");
    EXPECT_TRUE(column.columnBreak);
    EXPECT_FALSE(column.columnBreakWithBar);
    EXPECT_EQ(column.display, "Second");

    const ParsedCaption literal = ParseCaption("x^^2");
    EXPECT_FALSE(literal.columnBreak);
    EXPECT_EQ(literal.display, "x^2");

    const ParsedCaption header = ParseCaption("-More^|");
    EXPECT_TRUE(header.header && header.columnBreak && header.columnBreakWithBar);
    EXPECT_EQ(header.display, "More");
}

TEST(CaptionSyntax, TabSplitsOffTheShortcutText) {
    const ParsedCaption parsed = ParseCaption("&Open\tCtrl+Shift+O");
    EXPECT_EQ(parsed.display, "&Open");
    EXPECT_EQ(parsed.shortcut, "Ctrl+Shift+O");
    EXPECT_EQ(parsed.accelerator, "O");

    const ParsedCaption arrow = ParseCaption("Next|\tRight Arrow");
    EXPECT_TRUE(arrow.columnBreakWithBar) << "markers count in the whole caption";
    EXPECT_EQ(arrow.display, "Next");
    EXPECT_EQ(arrow.shortcut, "Right Arrow");

    const ParsedCaption none = ParseCaption("Plain");
    EXPECT_EQ(none.shortcut, "");
    EXPECT_EQ(ParseCaption("Ends\t").shortcut, "");
    EXPECT_EQ(ParseCaption("Ends\t").display, "Ends");
}

TEST(CaptionSyntax, AcceleratorIsTheUpperCasedCharacterAfterTheFirstAmpersand) {
    EXPECT_EQ(ParseCaption("E&xit").accelerator, "X");
    EXPECT_EQ(ParseCaption("&About &Box").accelerator, "A");
    EXPECT_EQ(ParseCaption("&9 recent").accelerator, "9");
    EXPECT_EQ(ParseCaption("No marker").accelerator, "");
    EXPECT_EQ(ParseCaption("Trailing&").accelerator, "");
    EXPECT_EQ(ParseCaption("E&xit").display, "E&xit") << "the marker stays for drawing";
}

TEST(CaptionSyntax, DoubledAmpersandIsALiteralAndMarksNothing) {
    EXPECT_EQ(ParseCaption("Save && &Quit").accelerator, "Q");
    EXPECT_EQ(ParseCaption("Tom && Jerry").accelerator, "");
}

TEST(CaptionSyntax, AcceleratorsOfOtherAlphabetsAreUpperCased) {
    EXPECT_EQ(ParseCaption("&über").accelerator, "Ü");
    EXPECT_EQ(ParseCaption("&ä").accelerator, "Ä");
    EXPECT_EQ(ParseCaption("&÷").accelerator, "÷") << "not a letter";
    EXPECT_EQ(ParseCaption("&ωμέγα").accelerator, "Ω");
    EXPECT_EQ(ParseCaption("&выход").accelerator, "В");
    EXPECT_EQ(ParseCaption("&ёлка").accelerator, "Ё");
    EXPECT_EQ(ParseCaption("&Ñ").accelerator, "Ñ");
}

}  // namespace
}  // namespace snapwright
