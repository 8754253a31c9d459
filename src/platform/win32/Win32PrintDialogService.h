#pragma once
#include "platform/PrintDialog.h"

namespace snapwright::win32 {

// PrintDlgW and the driver's DocumentPropertiesW.
class Win32PrintDialogService : public IPrintDialogService {
public:
    PrintDialogResult ShowPrintDialog(const PrintDialogRequest& request) override;
    DocumentPropertiesResult ExchangeDocumentProperties(const std::string& deviceName, WindowRef owner) override;
};

}  // namespace snapwright::win32
