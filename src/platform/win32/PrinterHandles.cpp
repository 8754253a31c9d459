#include "platform/win32/PrinterHandles.h"

#include <cwchar>

namespace snapwright::win32 {

UniquePrinterHandle OpenPrinterNoThrow(const std::wstring& deviceName) {
    UniquePrinterHandle printer;
    // An empty name would open the local print server, not a printer.
    if (deviceName.empty()) {
        ::SetLastError(ERROR_INVALID_PRINTER_NAME);
        return printer;
    }
    PRINTER_DEFAULTSW defaults{};
    std::wstring name = deviceName;
    if (!::OpenPrinterW(name.data(), printer.put(), &defaults)) printer.release();
    return printer;
}

std::wstring DefaultPrinterName() {
    DWORD length = 0;
    ::GetDefaultPrinterW(nullptr, &length);
    if (length == 0) return {};
    std::wstring name(length, L'\0');
    if (!::GetDefaultPrinterW(name.data(), &length)) return {};
    name.resize(wcsnlen(name.c_str(), name.size()));
    return name;
}

}  // namespace snapwright::win32
