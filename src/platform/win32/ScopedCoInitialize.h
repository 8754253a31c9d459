#pragma once
#include <objbase.h>
#include <windows.h>

namespace snapwright::win32 {

// COM for the calling thread for the guard's lifetime. Only a successful CoInitializeEx (S_OK, or
// S_FALSE when COM was already initialised in the same mode) is paired with CoUninitialize; a
// thread already in another apartment mode keeps its COM and this guard leaves it alone.
class ScopedCoInitialize {
public:
    explicit ScopedCoInitialize(DWORD mode = COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
        : m_result(::CoInitializeEx(nullptr, mode)) {}
    ~ScopedCoInitialize() {
        if (SUCCEEDED(m_result)) ::CoUninitialize();
    }
    ScopedCoInitialize(const ScopedCoInitialize&) = delete;
    ScopedCoInitialize& operator=(const ScopedCoInitialize&) = delete;

    HRESULT Result() const { return m_result; }

private:
    HRESULT m_result;
};

}  // namespace snapwright::win32
