#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "editor/FieldText.h"
#include "fakes/FakeTextRasteriser.h"

namespace snapwright {
namespace {

// Characters 24 pixels wide and spaces 12.
constexpr auto Extents = fakes::WideLetterExtents;

// The field's text typed or deleted at a caret (by default, its own), as an edit field does it: a
// line break is one key.
void Type(FieldText& field, const std::u32string& typed, std::optional<std::size_t> at = std::nullopt) {
    std::u32string shown = field.Shown();
    const std::size_t caret = at.value_or(field.ShownCaret());
    shown.insert(caret, typed);
    field.Edited(shown, caret + typed.size(), false);
}

void Backspace(FieldText& field, std::size_t caret) {
    std::u32string shown = field.Shown();
    const std::size_t length = caret >= 2 && shown.compare(caret - 2, 2, U"\r\n") == 0 ? 2 : 1;
    shown.erase(caret - length, length);
    field.Edited(shown, caret - length, false);
}

void Delete(FieldText& field, std::size_t caret) {
    std::u32string shown = field.Shown();
    const std::size_t length = shown.compare(caret, 2, U"\r\n") == 0 ? 2 : 1;
    shown.erase(caret, length);
    field.Edited(shown, caret, true);
}

// The typed text's lines as WrapLines makes them, joined as the field shows lines.
std::u32string Lines(const std::u32string& typed, int width) {
    std::u32string joined;
    for (const WrappedLine& line : WrapLines(typed, width, Extents)) {
        if (!joined.empty() || line.begin > 0) joined += U"\r\n";
        joined += typed.substr(line.begin, line.end - line.begin);
    }
    return joined;
}

// Typed letter by letter into a box of 180 pixels, the field shows the lines of the picture's text
// at every step, and the typed text keeps none of the field's own breaks.
TEST(FieldTextTest, TypedLetterByLetterTheFieldShowsThePicturesLinesAtEveryStep) {
    for (const std::u32string& text : {std::u32string(U"Wrapped words inside a narrow box"),
                                      std::u32string(U"Supercalifragilistic! and more")}) {
        FieldText field(180, Extents);
        for (std::size_t i = 0; i < text.size(); ++i) {
            Type(field, text.substr(i, 1));
            const std::u32string typed = text.substr(0, i + 1);
            ASSERT_EQ(field.Typed(), typed);
            std::u32string shown = field.Shown();
            std::erase(shown, U' ');
            std::u32string lines = Lines(typed, 180);
            std::erase(lines, U' ');
            ASSERT_EQ(shown, lines) << "after " << i + 1 << " letters";
            ASSERT_EQ(field.ShownCaret(), field.Shown().size());
        }
    }
    FieldText field(180, Extents);
    Type(field, U"Wrapped words inside a narrow");
    EXPECT_EQ(field.Shown(), U"Wrapped \r\nwords \r\ninside a \r\nnarrow");
}

// A line break typed is the user's (Shift+Enter, or pasted), kept in the typed text; without a
// width the field shows the typed lines as they are.
TEST(FieldTextTest, TypedLineBreaksStayAndAFieldWithoutWidthDoesNotWrap) {
    FieldText field(180, Extents);
    Type(field, U"one\r\ntwo three four");
    EXPECT_EQ(field.Typed(), U"one\ntwo three four");
    EXPECT_EQ(field.Shown(), U"one\r\ntwo \r\nthree \r\nfour");
    Type(field, U"\r\n");
    EXPECT_EQ(field.Typed(), U"one\ntwo three four\n");
    FieldText unwrapped(0, Extents);
    Type(unwrapped, U"a long line that never wraps");
    EXPECT_EQ(unwrapped.Shown(), U"a long line that never wraps");
    unwrapped.Rewrap(180, Extents);
    EXPECT_EQ(unwrapped.Typed(), U"a long line that never wraps");
    EXPECT_EQ(unwrapped.Shown(), U"a long \r\nline \r\nthat \r\nnever \r\nwraps");
}

// Backspace at the start of a wrapped line takes the space before it, Delete at the end of one the
// letter after it, as in the unwrapped text; a letter typed in the middle rewraps what follows and
// the caret stays behind it.
TEST(FieldTextTest, DeletingAtASoftBreakDeletesTheLetterBesideItAndEditsInTheMiddleRewrap) {
    FieldText field(180, Extents);
    Type(field, U"abc defgh");
    ASSERT_EQ(field.Shown(), U"abc \r\ndefgh");
    Backspace(field, 6);  // at the start of the second line
    EXPECT_EQ(field.Typed(), U"abcdefgh");
    EXPECT_EQ(field.Shown(), U"abcdefg\r\nh");
    EXPECT_EQ(field.ShownCaret(), 3u);
    Type(field, U" ");
    EXPECT_EQ(field.Typed(), U"abc defgh");
    EXPECT_EQ(field.ShownCaret(), 6u) << "after the space, at the start of the second line";
    Delete(field, 4);  // at the end of the first line
    EXPECT_EQ(field.Typed(), U"abc efgh");
    EXPECT_EQ(field.Shown(), U"abc efgh") << "180 pixels: one line again";
    Type(field, U"xy ", 0);
    EXPECT_EQ(field.Typed(), U"xy abc efgh");
    EXPECT_EQ(field.Shown(), U"xy abc \r\nefgh");
    EXPECT_EQ(field.ShownCaret(), 3u);
    Backspace(field, 3);
    Backspace(field, 2);
    EXPECT_EQ(field.Typed(), U"xabc efgh");
    EXPECT_EQ(field.ShownCaret(), 1u);
    field.Rewrap(60, Extents);  // narrower, and a word wider than the box
    EXPECT_EQ(field.Typed(), U"xabc efgh");
    EXPECT_EQ(field.Shown(), U"xa\r\nbc \r\nef\r\ngh");
}

// Ctrl+Z takes back the changes one by one, across the rewraps each of them made: a paste, a
// Backspace, then the letters typed one after the other at once; letters typed elsewhere are a
// change of their own. The text the field opened with stays.
TEST(FieldTextTest, UndoTakesBackTheChangesAcrossRewrapsAndKeepsTheOpeningText) {
    FieldText field(180, Extents, U"Start\nhere");
    EXPECT_EQ(field.Shown(), U"Start\r\nhere");
    EXPECT_EQ(field.ShownCaret(), field.Shown().size());
    EXPECT_FALSE(field.Undo()) << "the opening text is no change";
    EXPECT_EQ(field.Typed(), U"Start\nhere");

    // The lines shown are the picture's, but for the spaces where they wrap.
    const auto wrappedAsThePicture = [&field] {
        std::u32string shown = field.Shown();
        std::u32string lines = Lines(field.Typed(), 180);
        std::erase(shown, U' ');
        std::erase(lines, U' ');
        return shown == lines;
    };
    for (char32_t letter : std::u32string(U" wrapped words")) Type(field, std::u32string(1, letter));
    ASSERT_EQ(field.Typed(), U"Start\nhere wrapped words");
    ASSERT_EQ(field.Shown(), U"Start\r\nhere \r\nwrapped \r\nwords") << "the typing rewrapped";
    Type(field, U"X", 0);  // elsewhere
    Backspace(field, field.Shown().size());
    Type(field, U" pasted");
    ASSERT_EQ(field.Typed(), U"XStart\nhere wrapped word pasted");

    const std::u32string steps[] = {U"XStart\nhere wrapped word", U"XStart\nhere wrapped words",
                                    U"Start\nhere wrapped words", U"Start\nhere"};
    for (const std::u32string& typed : steps) {
        ASSERT_TRUE(field.Undo()) << "back to " << typed.size() << " characters";
        EXPECT_EQ(field.Typed(), typed);
        EXPECT_TRUE(wrappedAsThePicture()) << "shown: " << field.Shown().size() << " characters";
    }
    EXPECT_EQ(field.ShownCaret(), field.Shown().size()) << "where the typing had begun";
    EXPECT_FALSE(field.Undo());
    Type(field, U"!");
    EXPECT_EQ(field.Typed(), U"Start\nhere!") << "typing goes on after an undo";
    EXPECT_TRUE(field.Undo());
    EXPECT_EQ(field.Typed(), U"Start\nhere");
}

}  // namespace
}  // namespace snapwright
