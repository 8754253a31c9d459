#pragma once

namespace snapwright {

// The controls of the application start dialog frmStartApplication.
enum class StartApplicationControl {
    lblCaption,
    Label1,
    cmdOK,
    cmdCancel,
};

}  // namespace snapwright
