#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "lang/Placeholders.h"
#include "lang/TextId.h"

namespace snapwright {

// A message made where the words are chosen and put into the user's language where it is shown:
// code that has no language at hand (loading a file, checking a size) returns one of these, and the
// window or message box that shows it fills it with UserText. Values are plain texts (a file name,
// a number, the system's reason); a message inside a message is filled first by the one showing it.
struct Message {
    TextId id;
    std::vector<TextValue> values = {};
};

// A text in the user's language, its placeholders filled. `language` is the Language setting,
// read when the text is made (settings.Language), so that the language chosen in the options
// dialog reaches every text made after it.
std::string UserText(TextId id, int language);
std::string UserText(TextId id, int language, std::initializer_list<TextValue> values);
std::string UserText(const Message& message, int language);

}  // namespace snapwright
