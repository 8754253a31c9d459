#include "settings/win32/OptionsWindow.h"

#include "settings/OptionsControls.h"
#include "settings/win32/OptionsWindowIds.h"

namespace snapwright::win32 {

using enum OptionsControl;

OptionsWindow::OptionsWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_OPTIONS,
             {{Id(lblCaption), IDC_OPT_CAPTION},
              {Id(frmPrint), IDC_OPT_FRMPRINT},
              {Id(optDfltPrt), IDC_OPT_DFLTPRT},
              {Id(optPrtSel), IDC_OPT_PRTSEL},
              {Id(frmSave), IDC_OPT_FRMSAVE},
              {Id(optInstDir), IDC_OPT_INSTDIR},
              {Id(OptAskDestDir), IDC_OPT_ASKDESTDIR},
              {Id(frmApp), IDC_OPT_FRMAPP},
              {Id(optSendWord), IDC_OPT_SENDWORD},
              {Id(optXL), IDC_OPT_XL},
              {Id(optPpt), IDC_OPT_PPT},
              {Id(optAskRuntime), IDC_OPT_ASKRUNTIME},
              {Id(optEditor), IDC_OPT_EDITOR},
              {Id(cmbOfficeSuite), IDC_OPT_OFFICESUITE},
              {Id(imWW), IDC_OPT_IMWW},
              {Id(imXL), IDC_OPT_IMXL},
              {Id(imPP), IDC_OPT_IMPP},
              {Id(imWr), IDC_OPT_IMWR},
              {Id(imSc), IDC_OPT_IMSC},
              {Id(imIm), IDC_OPT_IMIM},
              {Id(Frame1), IDC_OPT_FRAME1},
              {Id(optHoch1), IDC_OPT_HOCH1},
              {Id(Image1), IDC_OPT_IMAGE1},
              {Id(optHoch2), IDC_OPT_HOCH2},
              {Id(Image2), IDC_OPT_IMAGE2},
              {Id(optQuer1), IDC_OPT_QUER1},
              {Id(Image3), IDC_OPT_IMAGE3},
              {Id(Frame2), IDC_OPT_FRAME2},
              {Id(chkTimestamp), IDC_OPT_TIMESTAMP},
              {Id(chkUsername), IDC_OPT_USERNAME},
              {Id(chkComputer), IDC_OPT_COMPUTER},
              {Id(chkFooter), IDC_OPT_FOOTER},
              {Id(frmLang), IDC_OPT_FRMLANG},
              {Id(lblLanguage), IDC_OPT_LBLLANGUAGE},
              {Id(cmbLang), IDC_OPT_LANG},
              {Id(optHelp), IDC_OPT_HELP},
              {Id(cmdRestore), IDC_OPT_RESTORE},
              {Id(cmdCancel), IDC_OPT_CANCEL},
              {Id(cmdOK), IDC_OPT_OK}}) {
    m_form.SetEvents(this);
    m_form.SetCaptionLabel(Id(lblCaption));
    m_form.SetIcon(icon);
}

// The caption label reads as a title bar: bold, in the system's caption colours. The window's own
// title, which only the task bar shows, keeps the design caption.
void OptionsWindow::Form_Load() {
    ::SetWindowTextW(m_form.Handle(), L"Options for Snapwright");
    m_form.SetFontBold(Id(lblCaption), true);
    if (m_presenter) m_presenter->Form_Load();
}

void OptionsWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    frmOptions& p = *m_presenter;
    switch (static_cast<OptionsControl>(control)) {
        case optDfltPrt: p.optDfltPrt_Click(); break;
        case optPrtSel: p.optPrtSel_Click(); break;
        case optInstDir: p.optInstDir_Click(); break;
        case OptAskDestDir: p.OptAskDestDir_Click(); break;
        case optSendWord: p.optSendWord_Click(); break;
        case optXL: p.optXL_Click(); break;
        case optPpt: p.optPpt_Click(); break;
        case optAskRuntime: p.optAskRuntime_Click(); break;
        case optEditor: p.optEditor_Click(); break;
        case optHoch1: p.optHoch1_Click(); break;
        case optHoch2: p.optHoch2_Click(); break;
        case optQuer1: p.optQuer1_Click(); break;
        case Image1: p.Image1_Click(); break;
        case Image2: p.Image2_Click(); break;
        case Image3: p.Image3_Click(); break;
        case chkTimestamp: p.chkTimestamp_Click(); break;
        case chkUsername: p.chkUsername_Click(); break;
        case chkComputer: p.chkComputer_Click(); break;
        case chkFooter: p.chkFooter_Click(); break;
        case cmbLang: p.cmbLang_Click(); break;
        case cmbOfficeSuite: p.cmbOfficeSuite_Click(); break;
        case cmdOK: p.cmdOK_Click(); break;
        case cmdCancel: p.cmdCancel_Click(); break;
        case cmdRestore: p.cmdRestore_Click(); break;
        case optHelp: p.optHelp_Click(); break;
        default: break;
    }
}

// Escape and Alt+F4 close the dialog as its Cancel button does.
void OptionsWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->cmdCancel_Click();
}

}  // namespace snapwright::win32
