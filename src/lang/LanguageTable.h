#pragma once
#include <string>

namespace snapwright {

struct LanguageRow;  // one language's entries

// The user-interface languages: for each language index its display name, font and the texts
// of the dialogs and the tray menu. Read-only; one shared instance (Languages()).
// An index outside 0 .. AvailableLanguages() - 1 reads the English entry.
class LanguageTable {
public:
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    int AvailableLanguages() const;
    std::string LanguageName(int language) const;
    std::string FontName(int language) const;
    int FontSize(int language) const;

    std::string SaveButton(int language) const;
    std::string CancelButton(int language) const;
    std::string DefaultsButton(int language) const;
    std::string AboutCaption(int language) const;
    std::string AboutDisclaimer(int language) const;
    std::string AboutCopyright(int language) const;
    std::string AskApplicationCaption(int language) const;
    std::string AskApplicationFrame(int language) const;
    std::string OptionsCaption(int language) const;
    std::string PrintFrame(int language) const;
    std::string DefaultPrinterOption(int language) const;
    std::string ChoosePrinterOption(int language) const;
    std::string SaveFrame(int language) const;
    std::string SaveToProgramFolderOption(int language) const;
    std::string AskForFileOption(int language) const;
    std::string SendFrame(int language) const;
    std::string SendToOfficeOption(int language) const;
    std::string AskAtSendOption(int language) const;
    std::string LanguageFrame(int language) const;
    std::string SelectLanguageLabel(int language) const;
    std::string SaveAsCaption(int language) const;
    std::string FileFormatFrame(int language) const;
    std::string AboutMenuItem(int language) const;
    std::string OptionsMenuItem(int language) const;
    std::string CloseMenuItem(int language) const;
    std::string ExitMenuItem(int language) const;
    std::string OkButton(int language) const;
    std::string UpdateButton(int language) const;
    std::string NotRunningQuestion(int language) const;
    std::string NotRunningCaption(int language) const;

private:
    LanguageTable() = default;
    friend const LanguageTable& Languages();

    static const LanguageRow& RowOf(int language);
};

// The shared instance, built on first use.
const LanguageTable& Languages();

}  // namespace snapwright
