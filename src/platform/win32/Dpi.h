#pragma once
#include <windows.h>

namespace snapwright::win32 {

// A window's scale in dots per inch: that of its monitor where the system scales per monitor
// (Windows 10 1607 and later), the system's before.
int WindowDpi(HWND window);
// A system metric at a scale.
int SystemMetricForDpi(int index, int dpi);
// Leaves the rescaling of a dialog that moves to a monitor of another scale to the dialog's own
// WM_DPICHANGED handler (Windows 10 1703 and later would scale its template's parts by itself).
void ScaleDialogByItself(HWND dialog);
// A length in pixels at one scale, at another.
inline int Rescaled(int pixels, int toDpi, int fromDpi) {
    return ::MulDiv(pixels, toDpi, fromDpi);
}

}  // namespace snapwright::win32
