#pragma once
#include <windows.h>  // before FreeImage.h, which otherwise defines BYTE, DWORD ... itself

#include <FreeImage.h>

#include <string>

namespace snapwright::win32 {

// The bridge between device bitmaps of the graphics system and bitmaps of the FreeImage
// library, and drawing either into a device context. Each failing step passes its text to
// ReportDiagnostic, and the function gives false or 0.

// A 32-bit codec bitmap of the device bitmap; an in/out bitmap that is set is unloaded first.
bool DibFromBitmap(HBITMAP bitmap, FIBITMAP*& dib);
// A device bitmap compatible with the screen of the codec bitmap; an in/out bitmap is deleted first.
bool BitmapFromDib(FIBITMAP* dib, HBITMAP& bitmap);
int BitmapWidth(HBITMAP bitmap);
int BitmapHeight(HBITMAP bitmap);
// Draws the bitmap at (x, y); a width or height below 1 draws the bitmap's own.
bool RenderBitmap(HBITMAP bitmap, HDC target, int x, int y, int width, int height, bool invert);
bool RenderDib(FIBITMAP* dib, HDC target, int x, int y, int width, int height);
bool CreateMemoryDc(HDC& dc);
// Selects `previous` back (deleting what it replaces) when it is set, then deletes the context.
bool DestroyMemoryDc(HDC& dc, HGDIOBJ& previous);
// To the debugger.
void ReportDiagnostic(const std::string& text);

}  // namespace snapwright::win32
