#pragma once

namespace snapwright {

// The controls of the application choice dialog frmAskApplication.
enum class AskApplicationControl {
    lblCaption,
    frmApp,
    optWord,
    optExcel,
    optPowerpoint,
    optEditor,
    cmdOK,
    cmdCancel,
};

}  // namespace snapwright
