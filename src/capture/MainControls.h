#pragma once

namespace snapwright {

// The controls of frmMain, the start window.
enum class MainControl {
    cmdOK,
    Check1,
    picIcon,
    Image2,
    Label2,
    Label1,
    Image1,
};

}  // namespace snapwright
