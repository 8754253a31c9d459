#pragma once

namespace snapwright {

// The controls of the about box frmAbout.
enum class AboutControl {
    lblCaption,
    Image1,
    Image2,
    lblTitle,
    lblVersion,
    lblCopyright,
    lblDisclaimer,
    Line1,
    cmdCredits,
    cmdUpdate,
    cmdOK,
};

}  // namespace snapwright
