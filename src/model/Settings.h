#pragma once
#include "model/OfficeSuite.h"

namespace snapwright {

enum class PrintTarget { DefaultPrinter, ChosenPrinter };
// The program's "Screenshots" folder, or a folder the user chooses. Unnamed stands for a stored
// number that names neither: the save dialog then proposes no name until the user browses.
enum class SaveTarget { ProgramFolder, AskForFile, Unnamed };
// Nowhere stands for a stored number that names no target: the send keys only capture.
enum class SendTarget { WordProcessor, Spreadsheet, Presentation, AskAtSend, Editor, Nowhere };
enum class PageFormat { PortraitOneShot, PortraitTwoShots, LandscapeOneShot };

// Screenshots on one page of the format.
int ShotsPerPage(PageFormat format);

// The live settings record, read directly by every part of the program. Its fields are named
// after the keys that store them; the store's numbers exist only in SettingsManager.
struct Settings {
    PrintTarget PrintTo = PrintTarget::DefaultPrinter;
    SaveTarget SaveTo = SaveTarget::ProgramFolder;
    SendTarget SendTo = SendTarget::WordProcessor;
    PageFormat Printformat = PageFormat::PortraitOneShot;
    int Language = 0;  // an index of the language table
    OfficeSuite Office = OfficeSuite::Microsoft;
    bool ShowSplash = true;
    bool PrintTimeStamp = true;
    bool PrintUser = true;
    bool PrintComputer = true;
    bool PrintFooter = true;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Store addressing shared by every key of the program.
inline constexpr const char* kSettingsApp = "Snapwright";
inline constexpr const char* kSettingsSection = "Config";

}  // namespace snapwright
