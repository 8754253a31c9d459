#include "save/win32/FreeImageBridge.h"

#include "platform/Diagnostics.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

namespace {

// The texts that end in "error code " take the system's last error number.
void ReportLastError(const std::string& text) {
    ReportDiagnostic(text + std::to_string(::GetLastError()));
}

// The device contexts that a picture can be drawn into: a window's and a memory context.
bool IsDrawingTarget(HDC dc) {
    const DWORD type = dc ? ::GetObjectType(dc) : 0;
    return type == OBJ_DC || type == OBJ_MEMDC;
}

}  // namespace

void ReportDiagnostic(const std::string& text) {
    DebugOutput(text);
}

bool DibFromBitmap(HBITMAP bitmap, FIBITMAP*& dib) {
    if (dib) {
        FreeImage_Unload(dib);
        dib = nullptr;
    }
    if (!bitmap) {
        ReportDiagnostic("[DibFromBitmap] No bitmap specified to convert");
        return false;
    }
    // Any other kind of handle would fill the bitmap record with what is not a bitmap's.
    BITMAP description{};
    if (::GetObjectType(bitmap) != OBJ_BITMAP ||
        ::GetObjectW(bitmap, sizeof(description), &description) != sizeof(description)) {
        ReportLastError("[DibFromBitmap] GetObjectAPI failed with error code ");
        return false;
    }
    const WindowDc screen(nullptr, false);
    if (!screen) {
        ReportLastError("[DibFromBitmap] GetDC failed to get a DC to work with reporting error code ");
        return false;
    }
    bool converted = false;
    if (FIBITMAP* made = FreeImage_Allocate(description.bmWidth, description.bmHeight, 32, 0, 0, 0)) {
        BITMAPINFO* info = FreeImage_GetInfo(made);
        BYTE* bits = FreeImage_GetBits(made);
        if (!info) {
            FreeImage_Unload(made);
            ReportDiagnostic("[DibFromBitmap] FreeImage_GetInfo failed to get the DIB info");
        } else if (!bits) {
            FreeImage_Unload(made);
            ReportDiagnostic("[DibFromBitmap] FreeImage_GetBits failed to get the DIB bits");
        } else if (::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(description.bmHeight), bits, info,
                               DIB_RGB_COLORS) == 0) {
            ReportLastError("[DibFromBitmap] GetDIBits failed to get the DIB's bits reporting error code ");
            FreeImage_Unload(made);
        } else {
            dib = made;
            converted = true;
        }
    } else {
        ReportDiagnostic("[DibFromBitmap] FreeImage_Allocate failed to create a DIB to work with");
    }
    return converted;
}

bool BitmapFromDib(FIBITMAP* dib, HBITMAP& bitmap) {
    if (bitmap) {
        ::DeleteObject(bitmap);
        bitmap = nullptr;
    }
    if (!dib) {
        ReportDiagnostic("[BitmapFromDib] No DIB specified to convert");
        return false;
    }
    BITMAPINFOHEADER* header = FreeImage_GetInfoHeader(dib);
    if (!header) {
        ReportDiagnostic("[BitmapFromDib] FreeImage_GetInfoHeader failed to get the DIB header");
        return false;
    }
    BITMAPINFO* info = FreeImage_GetInfo(dib);
    if (!info) {
        ReportDiagnostic("[BitmapFromDib] FreeImage_GetInfo failed to get the DIB info");
        return false;
    }
    BYTE* bits = FreeImage_GetBits(dib);
    if (!bits) {
        ReportDiagnostic("[BitmapFromDib] FreeImage_GetBits failed to get the DIB's bits");
        return false;
    }
    const WindowDc screen(nullptr, false);
    if (!screen) {
        ReportLastError("[BitmapFromDib] GetDC failed to get the DC to work with reporting error code ");
        return false;
    }
    bitmap = ::CreateDIBitmap(screen.get(), header, CBM_INIT, bits, info, DIB_RGB_COLORS);
    if (!bitmap) {
        ReportLastError(
            "[BitmapFromDib] CreateDIBitmap failed to create the BITMAP from the DIB reporting error code ");
    }
    return bitmap != nullptr;
}

namespace {

// Width or height of a device bitmap, with the diagnostics of the function that asks.
int BitmapDimension(HBITMAP bitmap, const char* function, bool width) {
    const std::string prefix = std::string("[") + function + "] ";
    if (!bitmap) {
        ReportDiagnostic(prefix + "No bitmap specified to get the info for");
        return 0;
    }
    if (::GetObjectType(bitmap) != OBJ_BITMAP) {
        ReportDiagnostic(prefix + "Handle specified is not a valid BITMAP");
        return 0;
    }
    BITMAP description{};
    if (::GetObjectW(bitmap, sizeof(description), &description) == 0) {
        ReportLastError(prefix + "GetObjectAPI failed with error code ");
        return 0;
    }
    return width ? description.bmWidth : description.bmHeight;
}

}  // namespace

int BitmapWidth(HBITMAP bitmap) {
    return BitmapDimension(bitmap, "BitmapWidth", true);
}

int BitmapHeight(HBITMAP bitmap) {
    return BitmapDimension(bitmap, "BitmapHeight", false);
}

bool RenderBitmap(HBITMAP bitmap, HDC target, int x, int y, int width, int height, bool invert) {
    if (!bitmap) {
        ReportDiagnostic("[RenderBitmap] No bitmap specified to render");
        return false;
    }
    if (::GetObjectType(bitmap) != OBJ_BITMAP) {
        ReportDiagnostic("[RenderBitmap] Handle specified is not a valid BITMAP");
        return false;
    }
    if (!IsDrawingTarget(target)) {
        ReportDiagnostic("[RenderBitmap] DC specified is not valid");
        return false;
    }
    if (width < 1) {
        width = BitmapWidth(bitmap);
        if (width < 1) {
            ReportDiagnostic("[RenderBitmap] Could not get bitmap's width");
            return false;
        }
    }
    if (height < 1) {
        height = BitmapHeight(bitmap);
        if (height < 1) {
            ReportDiagnostic("[RenderBitmap] Could not get bitmap's height");
            return false;
        }
    }
    HDC created = nullptr;
    CreateMemoryDc(created);
    const UniqueMemoryDc memory(created);
    if (!memory) {
        ReportDiagnostic("[RenderBitmap] Could not create a DC to work with");
        return false;
    }
    // The bitmap belongs to the caller: it comes out of the context before the context goes.
    const ScopedSelectObject selected(memory.get(), bitmap);
    const bool drawn =
        ::BitBlt(target, x, y, width, height, memory.get(), 0, 0, invert ? NOTSRCCOPY : SRCCOPY) != FALSE;
    if (!drawn) {
        ReportLastError("[RenderBitmap] BitBlt failed to render the BITMAP to the DC with error code ");
    }
    return drawn;
}

bool RenderDib(FIBITMAP* dib, HDC target, int x, int y, int width, int height) {
    if (!dib) {
        ReportDiagnostic("[RenderDib] No DIB specified to render");
        return false;
    }
    if (!IsDrawingTarget(target)) {
        ReportDiagnostic("[RenderDib] DC specified was invalid");
        return false;
    }
    if (width < 1) {
        width = static_cast<int>(FreeImage_GetWidth(dib));
        if (width < 1) {
            ReportDiagnostic("[RenderDib] Could not get the bitmap's width");
            return false;
        }
    }
    if (height < 1) {
        height = static_cast<int>(FreeImage_GetHeight(dib));
        if (height < 1) {
            ReportDiagnostic("[RenderDib] Could not get the bitmap's height");
            return false;
        }
    }
    BYTE* bits = FreeImage_GetBits(dib);
    if (!bits) {
        ReportDiagnostic("[RenderDib] Could not get the DIB's bits");
        return false;
    }
    BITMAPINFO* info = FreeImage_GetInfo(dib);
    if (!info) {
        ReportDiagnostic("[RenderDib] Could not get the DIB's information");
        return false;
    }
    if (::SetDIBitsToDevice(target, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                            static_cast<UINT>(height), bits, info, DIB_RGB_COLORS) == 0) {
        ReportLastError(
            "[RenderDib] SetDIBitsToDevice failed to render the DIB to the specified DC with error code ");
        return false;
    }
    return true;
}

bool CreateMemoryDc(HDC& dc) {
    dc = nullptr;
    const WindowDc screen(nullptr, false);
    if (!screen) return false;
    dc = ::CreateCompatibleDC(screen.get());
    return dc != nullptr;
}

bool DestroyMemoryDc(HDC& dc, HGDIOBJ& previous) {
    if (previous) {
        ::DeleteObject(::SelectObject(dc, previous));
        previous = nullptr;
    }
    if (!::DeleteDC(dc)) return false;
    dc = nullptr;
    return true;
}

}  // namespace snapwright::win32
