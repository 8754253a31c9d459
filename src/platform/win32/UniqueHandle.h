#pragma once
#include <windows.h>

#include <utility>

namespace snapwright::win32 {

// One move-only owner for every kind of handle; the traits say what is empty and how to free.
template <typename Traits>
class UniqueHandle {
public:
    using pointer = typename Traits::pointer;

    UniqueHandle() = default;
    explicit UniqueHandle(pointer value) : m_value(value) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    pointer get() const { return m_value; }
    // Frees the current handle and gives the address for an out parameter.
    pointer* put() {
        reset();
        return &m_value;
    }
    pointer release() { return std::exchange(m_value, Traits::Invalid()); }
    void reset(pointer value = Traits::Invalid()) {
        const pointer old = std::exchange(m_value, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    explicit operator bool() const { return m_value != Traits::Invalid(); }

private:
    pointer m_value = Traits::Invalid();
};

template <typename T>
struct GdiObjectTraits {
    using pointer = T;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::DeleteObject(value); }
};

struct MemoryDcTraits {
    using pointer = HDC;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::DeleteDC(value); }
};

struct IconTraits {
    using pointer = HICON;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::DestroyIcon(value); }
};

struct RegistryKeyTraits {
    using pointer = HKEY;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::RegCloseKey(value); }
};

struct KernelHandleTraits {
    using pointer = HANDLE;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::CloseHandle(value); }
};

// CreateFile tells a failure with INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using pointer = HANDLE;
    static pointer Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(pointer value) { ::CloseHandle(value); }
};

struct HookTraits {
    using pointer = HHOOK;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::UnhookWindowsHookEx(value); }
};

struct WindowTraits {
    using pointer = HWND;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::DestroyWindow(value); }
};

using UniqueHbitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueHpalette = UniqueHandle<GdiObjectTraits<HPALETTE>>;
using UniqueHfont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueHbrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueHrgn = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueHicon = UniqueHandle<IconTraits>;
using UniqueHkey = UniqueHandle<RegistryKeyTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueHwnd = UniqueHandle<WindowTraits>;
using UniqueHhook = UniqueHandle<HookTraits>;

// A window's device context (client area or whole window), released to that window.
class WindowDc {
public:
    WindowDc(HWND window, bool wholeWindow)
        : m_window(window), m_dc(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
    ~WindowDc() {
        if (m_dc) ::ReleaseDC(m_window, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a device context and puts the previous one back; Restore() returns
// the object that comes out, for callers that keep it (a captured bitmap).
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~ScopedSelectObject() { Restore(); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    // False when the context refused the object, such as a bitmap that another context holds.
    bool Selected() const { return m_previous != nullptr; }
    HGDIOBJ Restore() {
        if (!m_previous) return nullptr;
        return ::SelectObject(m_dc, std::exchange(m_previous, nullptr));
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

class ScopedSelectPalette {
public:
    ScopedSelectPalette(HDC dc, HPALETTE palette) : m_dc(dc), m_previous(::SelectPalette(dc, palette, FALSE)) {}
    ~ScopedSelectPalette() { Restore(); }
    ScopedSelectPalette(const ScopedSelectPalette&) = delete;
    ScopedSelectPalette& operator=(const ScopedSelectPalette&) = delete;
    HPALETTE Restore() {
        if (!m_previous) return nullptr;
        return ::SelectPalette(m_dc, std::exchange(m_previous, nullptr), FALSE);
    }

private:
    HDC m_dc;
    HPALETTE m_previous;
};

}  // namespace snapwright::win32
