#include "settings/win32/OptionsWindow.h"

#include "settings/OptionsControls.h"
#include "settings/win32/OptionsWindowIds.h"

namespace snapwright::win32 {

using enum OptionsControl;

OptionsWindow::OptionsWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_OPTIONS,
             {{Id(CaptionLabel), IDC_OPT_CAPTION},
              {Id(PrintFrame), IDC_OPT_PRINT_FRAME},
              {Id(DefaultPrinter), IDC_OPT_DEFAULT_PRINTER},
              {Id(ChoosePrinter), IDC_OPT_CHOOSE_PRINTER},
              {Id(SaveFrame), IDC_OPT_SAVE_FRAME},
              {Id(SaveToProgramFolder), IDC_OPT_SAVE_TO_PROGRAM_FOLDER},
              {Id(AskForFile), IDC_OPT_ASK_FOR_FILE},
              {Id(SendFrame), IDC_OPT_SEND_FRAME},
              {Id(SendToWordProcessor), IDC_OPT_SEND_TO_WORD_PROCESSOR},
              {Id(SendToSpreadsheet), IDC_OPT_SEND_TO_SPREADSHEET},
              {Id(SendToPresentation), IDC_OPT_SEND_TO_PRESENTATION},
              {Id(AskAtSend), IDC_OPT_ASK_AT_SEND},
              {Id(SendToEditor), IDC_OPT_SEND_TO_EDITOR},
              {Id(OfficeSuiteList), IDC_OPT_OFFICE_SUITE},
              {Id(WordIcon), IDC_OPT_WORD_ICON},
              {Id(ExcelIcon), IDC_OPT_EXCEL_ICON},
              {Id(PowerPointIcon), IDC_OPT_POWERPOINT_ICON},
              {Id(WriterIcon), IDC_OPT_WRITER_ICON},
              {Id(CalcIcon), IDC_OPT_CALC_ICON},
              {Id(ImpressIcon), IDC_OPT_IMPRESS_ICON},
              {Id(PrintFormatFrame), IDC_OPT_PRINT_FORMAT_FRAME},
              {Id(PortraitOneShot), IDC_OPT_PORTRAIT_ONE_SHOT},
              {Id(PortraitOneShotPicture), IDC_OPT_PORTRAIT_ONE_SHOT_PICTURE},
              {Id(PortraitTwoShots), IDC_OPT_PORTRAIT_TWO_SHOTS},
              {Id(PortraitTwoShotsPicture), IDC_OPT_PORTRAIT_TWO_SHOTS_PICTURE},
              {Id(LandscapeOneShot), IDC_OPT_LANDSCAPE_ONE_SHOT},
              {Id(LandscapeOneShotPicture), IDC_OPT_LANDSCAPE_ONE_SHOT_PICTURE},
              {Id(HeaderFooterFrame), IDC_OPT_HEADER_FOOTER_FRAME},
              {Id(TimestampBox), IDC_OPT_TIMESTAMP},
              {Id(UserNameBox), IDC_OPT_USERNAME},
              {Id(ComputerNameBox), IDC_OPT_COMPUTER},
              {Id(FooterBox), IDC_OPT_FOOTER},
              {Id(LanguageFrame), IDC_OPT_LANGUAGE_FRAME},
              {Id(LanguageLabel), IDC_OPT_LANGUAGE_LABEL},
              {Id(LanguageList), IDC_OPT_LANGUAGE},
              {Id(HelpButton), IDC_OPT_HELP},
              {Id(KeysButton), IDC_OPT_KEYS},
              {Id(DefaultsButton), IDC_OPT_DEFAULTS},
              {Id(CancelButton), IDC_OPT_CANCEL},
              {Id(SaveButton), IDC_OPT_OK}}) {
    m_form.Attach(*this, icon, Id(CaptionLabel));
}

void OptionsWindow::OnLoad() {
    if (m_presenter) m_presenter->OnLoad();
}

void OptionsWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    OptionsDialog& p = *m_presenter;
    switch (static_cast<OptionsControl>(control)) {
        case DefaultPrinter:
        case ChoosePrinter:
        case SaveToProgramFolder:
        case AskForFile:
        case SendToWordProcessor:
        case SendToSpreadsheet:
        case SendToPresentation:
        case AskAtSend:
        case SendToEditor:
        case PortraitOneShot:
        case PortraitTwoShots:
        case LandscapeOneShot:
        case PortraitOneShotPicture:
        case PortraitTwoShotsPicture:
        case LandscapeOneShotPicture: p.OnOption(static_cast<OptionsControl>(control)); break;
        case TimestampBox:
        case UserNameBox:
        case ComputerNameBox:
        case FooterBox: p.OnCheckBox(static_cast<OptionsControl>(control)); break;
        case LanguageList: p.OnLanguageChosen(); break;
        case OfficeSuiteList: p.OnOfficeSuiteChosen(); break;
        case SaveButton: p.OnSave(); break;
        case CancelButton: p.OnCancel(); break;
        case DefaultsButton: p.OnRestoreDefaults(); break;
        case HelpButton: p.OnHelp(); break;
        case KeysButton: p.OnKeys(); break;
        default: break;
    }
}

// Escape and Alt+F4 close the dialog as its Cancel button does.
void OptionsWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->OnCancel();
}

}  // namespace snapwright::win32
