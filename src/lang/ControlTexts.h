#pragma once
#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>

#include "lang/TextId.h"
#include "platform/Form.h"

namespace snapwright {

// The text a control shows when it shows no language text: a picture, a list, a value the program
// sets, a name that is the same in every language.
inline constexpr TextId kNoText = TextId::Count;

// A control of a window and the language text it shows.
//
// Each window lists every one of its controls with its text, in the order of its control enum, right
// below the enum in its Controls header; the enum ends with Count. The list is checked as it
// compiles (ListsEveryControl), so that a control added to the enum cannot be forgotten: it gets
// its text id, or kNoText with the reason in a comment. ApplyLanguage puts the listed texts on the
// window, and LanguageTableTest checks each window's access keys in every language.
struct ControlText {
    ControlId control;
    TextId text;

    template <typename Control>
        requires std::is_enum_v<Control>
    constexpr ControlText(Control control, TextId text) : control(Id(control)), text(text) {}
    constexpr ControlText(ControlId control, TextId text) : control(control), text(text) {}
};

template <typename Control, const auto& texts, Control control>
constexpr bool ListsControl() {
    static_assert(std::size(texts) > static_cast<std::size_t>(control) && texts[Id(control)].control == Id(control),
                  "the window's text list lacks this control, or lists it out of the enum's order");
    return true;
}

template <typename Control, const auto& texts, std::size_t... controls>
constexpr bool ListsEachControl(std::index_sequence<controls...>) {
    return (ListsControl<Control, texts, static_cast<Control>(controls)>() && ...);
}

// True when `texts` lists every control of the enum `Control`, once, in the enum's order; a failure
// names the control.
template <typename Control, const auto& texts>
constexpr bool ListsEveryControl() {
    constexpr auto count = static_cast<std::size_t>(Control::Count);
    static_assert(std::size(texts) <= count, "the window's text list has more entries than the window has controls");
    return ListsEachControl<Control, texts>(std::make_index_sequence<count>{});
}

}  // namespace snapwright
