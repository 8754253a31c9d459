#pragma once
#include <windows.h>
// Left out of windows.h by WIN32_LEAN_AND_MEAN.
#include <winspool.h>

#include <string>

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

struct PrinterHandleTraits {
    using pointer = HANDLE;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::ClosePrinter(value); }
};
using UniquePrinterHandle = UniqueHandle<PrinterHandleTraits>;

// A device context made by CreateDC (a printer's), deleted with DeleteDC.
struct CreatedDcTraits {
    using pointer = HDC;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::DeleteDC(value); }
};
using UniqueCreatedDc = UniqueHandle<CreatedDcTraits>;

// Opens the printer through the spooler with an all-zero defaults record (no data type, no
// settings, default access); empty when it cannot be opened, with the error in GetLastError.
UniquePrinterHandle OpenPrinterNoThrow(const std::wstring& deviceName);

// The system's default printer; empty when there is none.
std::wstring DefaultPrinterName();

}  // namespace snapwright::win32
