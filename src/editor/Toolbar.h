#pragma once
#include <functional>
#include <memory>
#include <string>

#include "editor/Tool.h"
#include "editor/ToolbarPictures.h"
#include "platform/KeyPress.h"

namespace snapwright {

// The groups of the editor's toolbar, in their order; the groups stand apart, and the strength,
// colour and help controls follow the tools.
enum class ToolbarGroup { File, Office, Undo, Tools };

// A button of the editor's toolbar: a command, or a tool that the button chooses and leaves.
struct ToolbarButton {
    std::string name;     // its text, by which screen readers and test drivers find it
    std::string tip;      // its tooltip, before the name of its key
    ToolbarPicture picture{};
    ToolbarGroup group = ToolbarGroup::File;
    KeyPress key;  // its shortcut; none when its code is 0
    std::function<void()> command;
    std::unique_ptr<Tool> tool;

    std::string Tooltip() const { return key.code ? tip + " (" + KeyName(key) + ")" : tip; }
};

}  // namespace snapwright
