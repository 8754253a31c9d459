#pragma once

namespace snapwright {

// The controls of the save dialog frmSaveAs.
enum class SaveAsControl {
    lblCaption,
    Frame1,
    cmbFileFormat,
    lblfilename,
    Command1,
    chkThumbnail,
    sldTn,
    lblTn,
    cmdOK,
    cmdCancel,
};

}  // namespace snapwright
