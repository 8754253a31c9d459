#pragma once
#include <array>
#include <string>

namespace snapwright {

// The two office suites a screenshot can be sent to: Microsoft Office, and OpenOffice.org,
// StarOffice and their successors (LibreOffice), reached through the suite's service manager.
enum class OfficeSuite { Microsoft, OpenOffice };

// The kinds of program every suite has, in the order the dialogs and the toolbar show them.
enum class OfficeKind { WordProcessor, Spreadsheet, Presentation };

enum class OfficeProgram { Word, Excel, PowerPoint, Writer, Calc, Impress };

// In the order of the options dialog's suite list.
inline constexpr std::array kOfficeSuites{OfficeSuite::Microsoft, OfficeSuite::OpenOffice};
inline constexpr std::array kOfficeKinds{OfficeKind::WordProcessor, OfficeKind::Spreadsheet, OfficeKind::Presentation};
inline constexpr std::array kOfficePrograms{OfficeProgram::Word,   OfficeProgram::Excel, OfficeProgram::PowerPoint,
                                            OfficeProgram::Writer, OfficeProgram::Calc,  OfficeProgram::Impress};

// The suite's entry in the options dialog's list.
std::string SuiteName(OfficeSuite suite);
OfficeProgram ProgramOf(OfficeSuite suite, OfficeKind kind);
OfficeSuite SuiteOf(OfficeProgram program);
// The name the start dialog and the messages use; also the text a window caption is searched for.
std::string DisplayName(OfficeProgram program);
// The program's choice in the dialog that asks where a screenshot goes.
std::string ChoiceName(OfficeProgram program);

}  // namespace snapwright
