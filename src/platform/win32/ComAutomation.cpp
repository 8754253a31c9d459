#include "platform/win32/ComAutomation.h"

#include <windows.h>

#include <vector>

#include "platform/win32/ComPtr.h"
#include "platform/win32/SystemErrorText.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

constexpr DWORD kRetryRejectedCallsMs = 10000;
constexpr DWORD kRetryIntervalMs = 250;

// What a failed call means to the user, by its result code.
AutomationError Reason(HRESULT result, const std::string& member) {
    switch (result) {
        case REGDB_E_CLASSNOTREG:
        case CO_E_CLASSSTRING: return AutomationError(AutomationFailure::NotInstalled, member);
        case MK_E_UNAVAILABLE: return AutomationError(AutomationFailure::Unreachable, member);
        case CO_E_SERVER_EXEC_FAILURE: return AutomationError(AutomationFailure::NotStarted, member);
        case DISP_E_UNKNOWNNAME:
        case DISP_E_MEMBERNOTFOUND: return AutomationError(AutomationFailure::UnknownMember, member);
        case RPC_E_CALL_REJECTED:
        case RPC_E_SERVERCALL_RETRYLATER: return AutomationError(AutomationFailure::Busy, member);
        case RPC_E_DISCONNECTED:
        case RPC_E_SERVER_DIED:
        case RPC_E_SERVER_DIED_DNE:
        case HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE): return AutomationError(AutomationFailure::Closed, member);
        default:
            return AutomationError(AutomationFailure::Refused, member, SystemErrorText(static_cast<DWORD>(result)));
    }
}

[[noreturn]] void Fail(HRESULT result, const std::string& member) {
    throw Reason(result, member);
}

CLSID ClassOf(const std::string& programmaticId) {
    CLSID id{};
    const HRESULT result = ::CLSIDFromProgID(ToWide(programmaticId).c_str(), &id);
    if (FAILED(result)) Fail(result, programmaticId);
    return id;
}

// The arguments of one call, in the reverse order IDispatch::Invoke takes them. Arrays passed by
// reference live in their own slots, which outlive the call.
class InvokeArguments {
public:
    explicit InvokeArguments(const AutomationArguments& arguments);
    ~InvokeArguments();
    InvokeArguments(const InvokeArguments&) = delete;
    InvokeArguments& operator=(const InvokeArguments&) = delete;
    VARIANT* data() { return m_variants.empty() ? nullptr : m_variants.data(); }
    UINT count() const { return static_cast<UINT>(m_variants.size()); }

private:
    void Fill(VARIANT& target, const AutomationValue& value);

    std::vector<VARIANT> m_variants;
    std::vector<SAFEARRAY*> m_referencedArrays;
};

class DispatchObject : public IAutomationObject {
public:
    explicit DispatchObject(ComPtr<IDispatch> dispatch) : m_dispatch(std::move(dispatch)) {}
    IDispatch* get() const { return m_dispatch.get(); }

    AutomationValue Get(const std::string& member) override { return Invoke(member, DISPATCH_PROPERTYGET, {}); }
    void Put(const std::string& member, const AutomationValue& value) override {
        Invoke(member, DISPATCH_PROPERTYPUT, {value});
    }
    AutomationValue Call(const std::string& member, const AutomationArguments& arguments) override {
        return Invoke(member, DISPATCH_METHOD, arguments);
    }

private:
    AutomationValue Invoke(const std::string& member, WORD kind, const AutomationArguments& arguments);

    ComPtr<IDispatch> m_dispatch;
};

AutomationValue FromVariant(const VARIANT& value) {
    switch (value.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return std::monostate{};
        case VT_BOOL:
            return value.boolVal != VARIANT_FALSE;
        case VT_BSTR:
            return value.bstrVal ? ToUtf8(std::wstring(value.bstrVal, ::SysStringLen(value.bstrVal))) : std::string();
        case VT_DISPATCH:
            if (!value.pdispVal) return std::monostate{};
            return std::make_shared<DispatchObject>(ComPtr<IDispatch>::Copy(value.pdispVal));
        case VT_UNKNOWN: {
            ComPtr<IDispatch> dispatch = ComPtr<IUnknown>::Copy(value.punkVal).As<IDispatch>();
            if (!dispatch) return std::monostate{};
            return std::make_shared<DispatchObject>(std::move(dispatch));
        }
        default:
            break;
    }
    ScopedVariant number;
    if (SUCCEEDED(::VariantChangeType(number.get(), const_cast<VARIANT*>(&value), 0, VT_I4))) return std::int32_t{number.value().lVal};
    return std::monostate{};
}

InvokeArguments::InvokeArguments(const AutomationArguments& arguments) : m_variants(arguments.size()) {
    m_referencedArrays.reserve(arguments.size());
    for (VARIANT& variant : m_variants) ::VariantInit(&variant);
    for (std::size_t i = 0; i < arguments.size(); ++i) Fill(m_variants[arguments.size() - 1 - i], arguments[i]);
}

InvokeArguments::~InvokeArguments() {
    for (VARIANT& variant : m_variants) ::VariantClear(&variant);
    for (SAFEARRAY* array : m_referencedArrays) {
        if (array) ::SafeArrayDestroy(array);
    }
}

void InvokeArguments::Fill(VARIANT& target, const AutomationValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        target.vt = VT_I4;
        target.lVal = *number;
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        const std::wstring wide = ToWide(*text);
        target.bstrVal = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (!target.bstrVal) throw AutomationError(AutomationFailure::NoMemory);
        target.vt = VT_BSTR;
    } else if (const auto* truth = std::get_if<bool>(&value)) {
        target.vt = VT_BOOL;
        target.boolVal = *truth ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* object = std::get_if<AutomationObjectPtr>(&value)) {
        const auto* dispatch = dynamic_cast<const DispatchObject*>(object->get());
        target.vt = VT_DISPATCH;
        target.pdispVal = dispatch ? dispatch->get() : nullptr;
        if (target.pdispVal) target.pdispVal->AddRef();  // the variant's own reference, freed by VariantClear
    } else if (const auto* array = std::get_if<EmptyArray>(&value)) {
        SAFEARRAYBOUND bound{0, 0};
        SAFEARRAY* empty = ::SafeArrayCreate(VT_VARIANT, 1, &bound);
        if (!empty) throw AutomationError(AutomationFailure::NoMemory);
        if (array->byReference) {
            m_referencedArrays.push_back(empty);
            target.vt = VT_BYREF | VT_ARRAY | VT_VARIANT;
            target.pparray = &m_referencedArrays.back();
        } else {
            target.vt = VT_ARRAY | VT_VARIANT;
            target.parray = empty;
        }
    }
}

AutomationValue DispatchObject::Invoke(const std::string& member, WORD kind, const AutomationArguments& arguments) {
    std::wstring name = ToWide(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT result = m_dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result)) Fail(result, member);

    InvokeArguments invokeArguments(arguments);
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{invokeArguments.data(), nullptr, invokeArguments.count(), 0};
    if (kind == DISPATCH_PROPERTYPUT) {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }
    ScopedVariant answer;
    ScopedExcepInfo exception;
    UINT wrongArgument = 0;
    result = m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                                kind == DISPATCH_PROPERTYPUT ? nullptr : answer.get(), exception.get(), &wrongArgument);
    if (result == DISP_E_EXCEPTION && exception.value().bstrDescription) {
        throw AutomationError(AutomationFailure::Refused, member, ToUtf8(exception.value().bstrDescription));
    }
    if (FAILED(result)) Fail(result, member);
    return FromVariant(answer.value());
}

AutomationObjectPtr Wrap(ComPtr<IUnknown> unknown, const std::string& programmaticId) {
    ComPtr<IDispatch> dispatch = unknown.As<IDispatch>();
    if (!dispatch) throw AutomationError(AutomationFailure::NotScriptable, programmaticId);
    return std::make_shared<DispatchObject>(std::move(dispatch));
}

// A busy program (a dialog open, still starting) rejects calls; they are retried for a while.
class RetryingMessageFilter : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
            *object = static_cast<IMessageFilter*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // One static instance lives for the whole run.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsedMs, DWORD rejection) override {
        if (rejection == SERVERCALL_RETRYLATER && elapsedMs < kRetryRejectedCallsMs) return kRetryIntervalMs;
        return static_cast<DWORD>(-1);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

RetryingMessageFilter g_messageFilter;

}  // namespace

AutomationObjectPtr ComAutomation::Attach(const std::string& programmaticId) {
    const CLSID id = ClassOf(programmaticId);
    ComPtr<IUnknown> running;
    const HRESULT result = ::GetActiveObject(id, nullptr, running.put());
    if (FAILED(result) || !running) Fail(FAILED(result) ? result : MK_E_UNAVAILABLE, programmaticId);
    return Wrap(std::move(running), programmaticId);
}

AutomationObjectPtr ComAutomation::Create(const std::string& programmaticId) {
    const CLSID id = ClassOf(programmaticId);
    ComPtr<IUnknown> created;
    const HRESULT result =
        ::CoCreateInstance(id, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IUnknown,
                           reinterpret_cast<void**>(created.put()));
    if (FAILED(result)) Fail(result, programmaticId);
    return Wrap(std::move(created), programmaticId);
}

ComApartment::ComApartment() {
    if (SUCCEEDED(m_com.Result())) ::CoRegisterMessageFilter(&g_messageFilter, m_previousFilter.put());
}

ComApartment::~ComApartment() {
    if (!SUCCEEDED(m_com.Result())) return;
    ComPtr<IMessageFilter> ours;
    ::CoRegisterMessageFilter(m_previousFilter.get(), ours.put());
}

}  // namespace snapwright::win32
