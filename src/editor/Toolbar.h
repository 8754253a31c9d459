#pragma once
#include <functional>
#include <memory>
#include <string>

#include "editor/Tool.h"
#include "editor/ToolbarPictures.h"
#include "lang/ControlTexts.h"
#include "lang/UserText.h"
#include "platform/KeyPress.h"

namespace snapwright {

// The groups of the editor's toolbar, in their order; the groups stand apart, and the strength,
// colour and help controls follow the tools.
enum class ToolbarGroup { File, Office, Undo, Tools };

// A button of the editor's toolbar: a command, or a tool that the button chooses and leaves.
struct ToolbarButton {
    TextId name = kNoText;  // its text, by which screen readers and test drivers find it
    std::string ownName;    // the text where it is the same in every language (an office program's name)
    Message tip;            // its tooltip, before the name of its key
    ToolbarPicture picture{};
    ToolbarGroup group = ToolbarGroup::File;
    KeyPress key;  // its shortcut; none when its code is 0
    std::function<void()> command;
    std::unique_ptr<Tool> tool;

    std::string Name(int language) const;
    // The tip and the shortcut with the language's name for Ctrl: "Undo the last change (Ctrl+Z)".
    std::string Tooltip(int language) const;
};

}  // namespace snapwright
