#pragma once
#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// Movable global memory, as the common dialogs hand it out (device mode and device names).
struct GlobalMemoryTraits {
    using pointer = HGLOBAL;
    static pointer Invalid() { return nullptr; }
    static void Close(pointer value) { ::GlobalFree(value); }
};
using UniqueHglobal = UniqueHandle<GlobalMemoryTraits>;

// A lock on global memory for the scope; declare it after the memory's owner, so that the
// memory is unlocked before it is freed.
template <typename T>
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL memory)
        : m_memory(memory), m_data(memory ? static_cast<T*>(::GlobalLock(memory)) : nullptr) {}
    ~GlobalLockGuard() {
        if (m_data) ::GlobalUnlock(m_memory);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    T* get() const { return m_data; }
    T* operator->() const { return m_data; }
    explicit operator bool() const { return m_data != nullptr; }
    SIZE_T size() const { return m_data ? ::GlobalSize(m_memory) : 0; }

private:
    HGLOBAL m_memory;
    T* m_data;
};

}  // namespace snapwright::win32
