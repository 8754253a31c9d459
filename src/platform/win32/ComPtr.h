#pragma once
#include <objbase.h>
#include <oleauto.h>

#include <utility>


namespace snapwright::win32 {

// Owns one reference to a COM interface.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    static ComPtr Attach(T* pointer) {
        ComPtr result;
        result.m_pointer = pointer;
        return result;
    }
    // Adds a reference of its own.
    static ComPtr Copy(T* pointer) {
        if (pointer) pointer->AddRef();
        return Attach(pointer);
    }
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr& other) : m_pointer(other.m_pointer) {
        if (m_pointer) m_pointer->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(m_pointer, other.m_pointer);
        return *this;
    }

    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // Releases the current reference and gives the address for an out parameter.
    T** put() {
        reset();
        return &m_pointer;
    }
    void reset() {
        if (T* old = std::exchange(m_pointer, nullptr)) old->Release();
    }
    // The same object through another of its interfaces; empty when it has none.
    template <typename U>
    ComPtr<U> As() const {
        ComPtr<U> other;
        if (m_pointer) m_pointer->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.put()));
        return other;
    }

private:
    T* m_pointer = nullptr;
};

// A VARIANT that is cleared (its string, array or interface freed) when it goes.
class ScopedVariant {
public:
    ScopedVariant() { ::VariantInit(&m_value); }
    ~ScopedVariant() { ::VariantClear(&m_value); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
    VARIANT* get() { return &m_value; }
    const VARIANT& value() const { return m_value; }

private:
    VARIANT m_value;
};

// The three strings the callee of a failed call leaves in an EXCEPINFO.
class ScopedExcepInfo {
public:
    ScopedExcepInfo() = default;
    ~ScopedExcepInfo() {
        ::SysFreeString(m_info.bstrSource);
        ::SysFreeString(m_info.bstrDescription);
        ::SysFreeString(m_info.bstrHelpFile);
    }
    ScopedExcepInfo(const ScopedExcepInfo&) = delete;
    ScopedExcepInfo& operator=(const ScopedExcepInfo&) = delete;
    EXCEPINFO* get() { return &m_info; }
    const EXCEPINFO& value() const { return m_info; }

private:
    EXCEPINFO m_info{};
};

}  // namespace snapwright::win32
