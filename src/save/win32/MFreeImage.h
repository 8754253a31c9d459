#pragma once
#include <windows.h>  // before FreeImage.h, which otherwise defines BYTE, DWORD ... itself

#include <FreeImage.h>

#include <string>

namespace snapwright::win32 {

// The bridge between device bitmaps of the graphics system and bitmaps of the FreeImage
// library, and drawing either into a device context. Each failing step passes its text to
// ReportDiagnostic, and the function gives false or 0.

// A 32-bit codec bitmap of the device bitmap; an in/out bitmap that is set is unloaded first.
bool FreeImage_DIB_From_BMP(HBITMAP bitmap, FIBITMAP*& dib);
// A device bitmap compatible with the screen of the codec bitmap; an in/out bitmap is deleted first.
bool FreeImage_BMP_From_DIB(FIBITMAP* dib, HBITMAP& bitmap);
int FreeImage_GetBitmapWidth(HBITMAP bitmap);
int FreeImage_GetBitmapHeight(HBITMAP bitmap);
// Draws the bitmap at (x, y); a width or height below 1 draws the bitmap's own.
bool FreeImage_RenderBitmap(HBITMAP bitmap, HDC target, int x, int y, int width, int height, bool invert);
bool FreeImage_RenderDIB(FIBITMAP* dib, HDC target, int x, int y, int width, int height);
bool CreateMemDC(HDC& dc);
// Selects `previous` back (deleting what it replaces) when it is set, then deletes the context.
bool DestroyMemDC(HDC& dc, HGDIOBJ& previous);
void ReportDiagnostic(const std::string& text, bool flag);

}  // namespace snapwright::win32
