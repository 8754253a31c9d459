#pragma once
#include <string>

namespace snapwright {

struct UILangRow;  // one language's entries

// The user-interface languages: for each language index its display name, font and the texts
// of the dialogs and the tray menu. Read-only; one shared instance (UILang()).
// An index outside 0 .. AvailableLanguages() - 1 reads the English entry.
class clsUILang {
public:
    clsUILang(const clsUILang&) = delete;
    clsUILang& operator=(const clsUILang&) = delete;

    int AvailableLanguages() const;
    std::string LangStr(int language) const;
    std::string langFont(int language) const;
    int langFontSize(int language) const;

    std::string SaveBtn(int language) const;
    std::string CancelBtn(int language) const;
    std::string DefaultBtn(int language) const;
    std::string AboutDlgC(int language) const;
    std::string AboutDisclaimer(int language) const;
    std::string AboutCopyright(int language) const;
    std::string AskAppDlgC(int language) const;
    std::string AskAppFrameC(int language) const;
    std::string OptDlgC(int language) const;
    std::string optFramePrintC(int language) const;
    std::string optPrtDef(int language) const;
    std::string optPrtSel(int language) const;
    std::string optFrameSaveC(int language) const;
    std::string optSaveDef(int language) const;
    std::string optSaveAsk(int language) const;
    std::string optFrameSendC(int language) const;
    std::string optOffice(int language) const;
    std::string optSendAsk(int language) const;
    std::string FrameLanguageC(int language) const;
    std::string lblSelectLang(int language) const;
    std::string SaveAsDlgC(int language) const;
    std::string FrameFileFormat(int language) const;
    std::string mnuAbout(int language) const;
    std::string mnuOptions(int language) const;
    std::string mnuLeave(int language) const;
    std::string mnuExit(int language) const;
    std::string OKBtn(int language) const;
    std::string UpdtBtn(int language) const;
    std::string msgNotRun(int language) const;
    std::string msgNotRunC(int language) const;

private:
    clsUILang() = default;
    friend const clsUILang& UILang();

    static const UILangRow& RowOf(int language);
};

// The shared instance, built on first use.
const clsUILang& UILang();

}  // namespace snapwright
