#pragma once

namespace snapwright {

// The controls of the options dialog frmOptions, frame by frame.
enum class OptionsControl {
    lblCaption,
    // frame "Print"
    frmPrint,
    optDfltPrt,
    optPrtSel,
    // frame "Save"
    frmSave,
    optInstDir,
    OptAskDestDir,
    // frame "Send To Application"
    frmApp,
    optSendWord,
    optXL,
    optPpt,
    optAskRuntime,
    optEditor,
    cmbOfficeSuite,
    imWW,
    imXL,
    imPP,
    imWr,
    imSc,
    imIm,
    // frame "Printformat"
    Frame1,
    optHoch1,
    Image1,
    optHoch2,
    Image2,
    optQuer1,
    Image3,
    // frame "Timestamp and Page Footer"
    Frame2,
    chkTimestamp,
    chkUsername,
    chkComputer,
    chkFooter,
    // frame "Language of UI"
    frmLang,
    lblLanguage,
    cmbLang,
    // footer
    optHelp,
    cmdRestore,
    cmdCancel,
    cmdOK,
};

}  // namespace snapwright
