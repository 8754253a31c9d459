#include "platform/win32/Win32PrintDialogService.h"

#include <windows.h>
// Left out of windows.h by WIN32_LEAN_AND_MEAN.
#include <commdlg.h>

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <vector>

#include "platform/win32/GlobalMemory.h"
#include "platform/win32/PrinterHandles.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

// A fixed-length name field of a settings block, NULs included.
std::string NameField(const WCHAR* field, std::size_t length) {
    return ToUtf8(std::wstring(field, length));
}

// The fields of the block from the device name to the dither type. A block may be shorter than
// this program's DEVMODEW (an older driver); fields beyond its size read 0.
PrinterSettingsBlock ReadSettingsBlock(const DEVMODEW& mode, std::size_t available) {
    const std::size_t size = std::min<std::size_t>(available, mode.dmSize);
    const auto covers = [size](std::size_t offset, std::size_t length) { return offset + length <= size; };
    PrinterSettingsBlock block;
    block.deviceName = NameField(mode.dmDeviceName, CCHDEVICENAME);
    block.driverVersion = mode.dmDriverVersion;
    block.fields = mode.dmFields;
    block.orientation = mode.dmOrientation;
    block.paperSize = mode.dmPaperSize;
    block.paperLength = mode.dmPaperLength;
    block.paperWidth = mode.dmPaperWidth;
    block.scale = mode.dmScale;
    block.copies = mode.dmCopies;
    block.defaultSource = mode.dmDefaultSource;
    block.printQuality = mode.dmPrintQuality;
    block.color = mode.dmColor;
    block.duplex = mode.dmDuplex;
    block.yResolution = mode.dmYResolution;
    block.ttOption = mode.dmTTOption;
    block.collate = mode.dmCollate;
    if (covers(offsetof(DEVMODEW, dmFormName), sizeof(mode.dmFormName))) {
        block.formName = NameField(mode.dmFormName, CCHFORMNAME);
    }
    if (covers(offsetof(DEVMODEW, dmICMMethod), sizeof(DWORD))) block.icmMethod = mode.dmICMMethod;
    if (covers(offsetof(DEVMODEW, dmICMIntent), sizeof(DWORD))) block.icmIntent = mode.dmICMIntent;
    if (covers(offsetof(DEVMODEW, dmMediaType), sizeof(DWORD))) block.mediaType = mode.dmMediaType;
    if (covers(offsetof(DEVMODEW, dmDitherType), sizeof(DWORD))) block.ditherType = mode.dmDitherType;
    return block;
}

}  // namespace

PrintDialogResult Win32PrintDialogService::ShowPrintDialog(const PrintDialogRequest& request) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
    dialog.Flags = request.flags;
    dialog.nFromPage = static_cast<WORD>(request.fromPage);
    dialog.nToPage = static_cast<WORD>(request.toPage);
    dialog.nMinPage = static_cast<WORD>(request.minPage);
    dialog.nMaxPage = static_cast<WORD>(request.maxPage);
    dialog.nCopies = static_cast<WORD>(request.copies);
    const BOOL confirmed = ::PrintDlgW(&dialog);

    // Whatever the dialog handed out is owned from here on.
    UniqueHglobal deviceMode(dialog.hDevMode);
    UniqueHglobal deviceNames(dialog.hDevNames);
    UniqueCreatedDc returnedDc(dialog.hDC);

    PrintDialogResult result;
    if (!confirmed) {
        result.errorCode = ::CommDlgExtendedError();
        result.outcome = result.errorCode == 0 ? PrintDialogResult::Outcome::Cancelled
                                               : PrintDialogResult::Outcome::Failed;
        return result;
    }
    result.outcome = PrintDialogResult::Outcome::Confirmed;
    returnedDc.reset();

    if (deviceNames) {
        GlobalLockGuard<DEVNAMES> names(deviceNames.get());
        if (names && names->wDeviceOffset * sizeof(WCHAR) < names.size()) {
            const auto* text = reinterpret_cast<const WCHAR*>(names.get());
            const std::size_t room = names.size() / sizeof(WCHAR) - names->wDeviceOffset;
            result.deviceName = ToUtf8(std::wstring(text + names->wDeviceOffset, wcsnlen(text + names->wDeviceOffset, room)));
        }
    }
    deviceNames.reset();

    {
        GlobalLockGuard<DEVMODEW> mode(deviceMode.get());
        if (mode && mode.size() >= offsetof(DEVMODEW, dmFormName)) result.settings = ReadSettingsBlock(*mode.get(), mode.size());
    }
    result.fromPage = static_cast<std::int16_t>(dialog.nFromPage);
    result.toPage = static_cast<std::int16_t>(dialog.nToPage);
    result.minPage = static_cast<std::int16_t>(dialog.nMinPage);
    result.maxPage = static_cast<std::int16_t>(dialog.nMaxPage);
    return result;
}

DocumentPropertiesResult Win32PrintDialogService::ExchangeDocumentProperties(const std::string& deviceName,
                                                                             WindowRef owner) {
    DocumentPropertiesResult result;
    std::wstring name = ToWide(deviceName);
    UniquePrinterHandle printer = OpenPrinterNoThrow(name);
    if (!printer) {
        result.errorCode = ::GetLastError();
        return result;
    }
    result.opened = true;
    const HWND window = reinterpret_cast<HWND>(owner);
    const LONG size = ::DocumentPropertiesW(window, printer.get(), name.data(), nullptr, nullptr, 0);
    if (size >= static_cast<LONG>(offsetof(DEVMODEW, dmFormName))) {
        // Mode DM_IN_BUFFER alone neither prompts nor fills the output block.
        std::vector<std::byte> output(static_cast<std::size_t>(size));
        std::vector<std::byte> input(static_cast<std::size_t>(size));
        auto* out = reinterpret_cast<DEVMODEW*>(output.data());
        ::DocumentPropertiesW(window, printer.get(), name.data(), out, reinterpret_cast<DEVMODEW*>(input.data()),
                              DM_IN_BUFFER);
        result.settings = ReadSettingsBlock(*out, output.size());
    }
    return result;
}

}  // namespace snapwright::win32
