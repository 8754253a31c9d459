#include "model/OfficeSuite.h"

namespace snapwright {

namespace {

struct ProgramFacts {
    OfficeSuite suite;
    OfficeKind kind;
    const char* displayName;
    const char* choiceName;
};

// By OfficeProgram. The second suite's choices name both of its makers' programs, as they always did.
constexpr ProgramFacts kPrograms[] = {
    {OfficeSuite::Microsoft, OfficeKind::WordProcessor, "Microsoft Word", "Microsoft Word"},
    {OfficeSuite::Microsoft, OfficeKind::Spreadsheet, "Microsoft Excel", "Microsoft Excel"},
    {OfficeSuite::Microsoft, OfficeKind::Presentation, "Microsoft Powerpoint", "Microsoft Powerpoint"},
    {OfficeSuite::OpenOffice, OfficeKind::WordProcessor, "Writer", "OpenWriter/StarWriter"},
    {OfficeSuite::OpenOffice, OfficeKind::Spreadsheet, "Calc", "OpenCalc/Starcalc"},
    {OfficeSuite::OpenOffice, OfficeKind::Presentation, "Impress", "OpenImpress/StarImpress"},
};

const ProgramFacts& FactsOf(OfficeProgram program) {
    return kPrograms[static_cast<std::size_t>(program)];
}

}  // namespace

std::string SuiteName(OfficeSuite suite) {
    return suite == OfficeSuite::Microsoft ? "Microsoft Office (Word, Excel, Powerpoint)"
                                           : "OpenOffice/StarOffice (Writer, Calc, Impress)";
}

OfficeProgram ProgramOf(OfficeSuite suite, OfficeKind kind) {
    for (OfficeProgram program : kOfficePrograms) {
        if (FactsOf(program).suite == suite && FactsOf(program).kind == kind) return program;
    }
    return OfficeProgram::Word;  // every suite has every kind
}

OfficeSuite SuiteOf(OfficeProgram program) {
    return FactsOf(program).suite;
}

std::string DisplayName(OfficeProgram program) {
    return FactsOf(program).displayName;
}

std::string ChoiceName(OfficeProgram program) {
    return FactsOf(program).choiceName;
}

}  // namespace snapwright
