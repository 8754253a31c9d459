#include "ui/CaptionSyntax.h"

#include <gtest/gtest.h>

#include <utility>

namespace snapwright {
namespace {

TEST(CaptionSyntax, MarkersAreTakenOutAndDoubledOnesStandForThemselves) {
    struct Case {
        const char* caption;
        const char* display;
        const char* shortcut;
        bool separator, header, columnBreakWithBar, columnBreak;
    };
    const Case cases[] = {
        {"-", "-", "", true, false, false, false},
        {"-Tools", "Tools", "", false, true, false, false},
        {"--", "-", "", false, true, false, false},  // only the first dash is the marker
        {"Half-time", "Half-time", "", false, false, false, false},
        {"Options|", "Options", "", false, false, true, false},
        {"Black||White", "Black|White", "", false, false, false, false},
        {"|A||B", "A|B", "", false, false, true, false},
        {"^Second", "Second", "", false, false, false, true},
        {"x^^2", "x^2", "", false, false, false, false},
        {"-More^|", "More", "", false, true, true, true},
        {"&Open\tCtrl+Shift+O", "&Open", "Ctrl+Shift+O", false, false, false, false},
        {"Next|\tRight Arrow", "Next", "Right Arrow", false, false, true, false},  // markers count in the whole caption
        {"Ends\t", "Ends", "", false, false, false, false},
    };
    for (const Case& c : cases) {
        const ParsedCaption parsed = ParseCaption(c.caption);
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(parsed.display, c.display);
        EXPECT_EQ(parsed.shortcut, c.shortcut);
        EXPECT_EQ(parsed.separator, c.separator);
        EXPECT_EQ(parsed.header, c.header);
        EXPECT_EQ(parsed.columnBreakWithBar, c.columnBreakWithBar);
        EXPECT_EQ(parsed.columnBreak, c.columnBreak);
    }
}

TEST(CaptionSyntax, AcceleratorIsTheUpperCasedCharacterAfterTheFirstSingleAmpersand) {
    const std::pair<const char*, const char*> cases[] = {
        {"E&xit", "X"}, {"&About &Box", "A"}, {"&9 recent", "9"}, {"No marker", ""}, {"Trailing&", ""},
        {"Save && &Quit", "Q"}, {"Tom && Jerry", ""},
        // Letters of other alphabets; a sign that is no letter stays as it is.
        {"&über", "Ü"}, {"&Ñ", "Ñ"}, {"&÷", "÷"}, {"&ωμέγα", "Ω"}, {"&выход", "В"}, {"&ёлка", "Ё"},
    };
    for (const auto& [caption, accelerator] : cases) {
        EXPECT_EQ(ParseCaption(caption).accelerator, accelerator) << caption;
    }
}

}  // namespace
}  // namespace snapwright
