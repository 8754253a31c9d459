// fakeoffice: stands in for the office programs in the end-to-end tests. It serves the automation
// objects that Snapwright drives when it sends a screenshot ("Word.Application",
// "Excel.Application", "Powerpoint.Application", "com.sun.star.ServiceManager") and writes one line
// per call to the file named by SNAPWRIGHT_FAKE_LOG, so that a test can read what was called, in
// which order, with which arguments, and what the clipboard held when the program asked to paste.
//
//   fakeoffice -Embedding                       the local server that COM starts for the classes;
//                                               ends a moment after its last object is released,
//                                               or when its hidden window (class FakeOfficeServer)
//                                               is closed
//   fakeoffice --window CAPTION                 a running program: a bordered window with CAPTION
//              [--active PROGID [--documents N]]  and the running object of PROGID with N documents;
//                                               prints "ready", runs until the window is closed
//
// Log lines read "PID: WHAT", where WHAT is one of
//   server start | server exit | run PROGID | exit       the life of a process
//   create PROGID                                        the class factory made an application
//   unknown OBJECT.NAME                                  a name that the object does not have
//   get OBJECT.MEMBER -> RESULT                          a property read
//   put OBJECT.MEMBER = VALUE                            a property write
//   call OBJECT.MEMBER(ARG, ARG) [-> RESULT]             a method call; the result when there is one
// An OBJECT is the path of members that reached it ("Word.Application.documents"); the member is
// spelled as the caller spelled it. Values read 12 (integer), "text", true, false, <OBJECT>,
// <nothing>, empty, array(N) (N elements) and &VALUE (passed by reference). A paste adds
// "clipboard=WxH" (the picture on the clipboard, from its DIB header) or "clipboard=none"; a
// refused call ends in "-> error 0xHRESULT".
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// --- Log ---------------------------------------------------------------------------------------

std::string Utf8(const std::wstring& wide) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring Environment(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, buffer, 1024);
    return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

// Several processes append to the same file: each line goes out in one write to a file opened
// for appending only, so lines never interleave.
void Log(const std::wstring& what) {
    static const std::wstring path = Environment(L"SNAPWRIGHT_FAKE_LOG");
    if (path.empty()) return;
    const std::string line = std::to_string(::GetCurrentProcessId()) + ": " + Utf8(what) + "\n";
    HANDLE file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
}

// --- Values ------------------------------------------------------------------------------------

// An owned VARIANT.
class Variant {
public:
    Variant() { ::VariantInit(&m_value); }
    ~Variant() { ::VariantClear(&m_value); }
    Variant(Variant&& other) noexcept : m_value(other.Release()) {}
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            ::VariantClear(&m_value);
            m_value = other.Release();
        }
        return *this;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    static Variant Integer(LONG number) {
        Variant result;
        result.m_value.vt = VT_I4;
        result.m_value.lVal = number;
        return result;
    }
    static Variant Boolean(bool value) {
        Variant result;
        result.m_value.vt = VT_BOOL;
        result.m_value.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return result;
    }
    static Variant Object(IDispatch* object) {
        Variant result;
        result.m_value.vt = VT_DISPATCH;
        result.m_value.pdispVal = object;
        if (object) object->AddRef();
        return result;
    }

    const VARIANT& Get() const { return m_value; }
    VARIANT Release() {
        VARIANT value = m_value;
        ::VariantInit(&m_value);
        return value;
    }

private:
    VARIANT m_value;
};

// A refused call, with the code that Invoke returns for it.
struct CallRefused {
    HRESULT code;
};

const VARIANT& Dereferenced(const VARIANT& value) {
    if (value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal) return Dereferenced(*value.pvarVal);
    return value;
}

std::wstring TextOf(const VARIANT& argument) {
    const VARIANT& value = Dereferenced(argument);
    if (value.vt == VT_BSTR) return value.bstrVal ? std::wstring(value.bstrVal, ::SysStringLen(value.bstrVal)) : L"";
    if (value.vt == (VT_BYREF | VT_BSTR) && value.pbstrVal && *value.pbstrVal) return *value.pbstrVal;
    throw CallRefused{DISP_E_TYPEMISMATCH};
}

bool BooleanOf(const VARIANT& argument) {
    VARIANT converted;
    ::VariantInit(&converted);
    if (FAILED(::VariantChangeType(&converted, const_cast<VARIANT*>(&Dereferenced(argument)), 0, VT_BOOL))) {
        throw CallRefused{DISP_E_TYPEMISMATCH};
    }
    return converted.boolVal != VARIANT_FALSE;
}

std::wstring Hex(unsigned long value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%08lX", value);
    return text;
}

std::wstring DescribeObject(IDispatch* object);

std::wstring DescribeArray(const SAFEARRAY* array) {
    if (!array) return L"array(null)";
    unsigned long count = 1;
    for (UINT dimension = 0; dimension < array->cDims; ++dimension) count *= array->rgsabound[dimension].cElements;
    return L"array(" + std::to_wstring(array->cDims == 0 ? 0 : count) + L")";
}

std::wstring Describe(const VARIANT& value) {
    if (value.vt & VT_BYREF) {
        if (value.vt == (VT_BYREF | VT_VARIANT)) return L"&" + (value.pvarVal ? Describe(*value.pvarVal) : L"null");
        if (value.vt == (VT_BYREF | VT_ARRAY | VT_VARIANT)) {
            return L"&" + DescribeArray(value.pparray ? *value.pparray : nullptr);
        }
        VARIANT inner;
        ::VariantInit(&inner);
        if (SUCCEEDED(::VariantCopyInd(&inner, const_cast<VARIANT*>(&value)))) {
            std::wstring text = L"&" + Describe(inner);
            ::VariantClear(&inner);
            return text;
        }
        return L"&vt" + std::to_wstring(value.vt & ~VT_BYREF);
    }
    switch (value.vt) {
        case VT_EMPTY: return L"empty";
        case VT_NULL: return L"null";
        case VT_I4: return std::to_wstring(value.lVal);
        case VT_BOOL: return value.boolVal != VARIANT_FALSE ? L"true" : L"false";
        case VT_BSTR: {
            std::wstring text = L"\"";
            for (wchar_t c : TextOf(value)) {
                if (c == L'"' || c == L'\\') text += L'\\';
                text += c;
            }
            return text + L"\"";
        }
        case VT_DISPATCH: return DescribeObject(value.pdispVal);
        case VT_ARRAY | VT_VARIANT: return DescribeArray(value.parray);
        default: break;
    }
    // Any other kind shows its type number, so that a test sees that it was not the expected one.
    VARIANT text;
    ::VariantInit(&text);
    std::wstring described = L"vt" + std::to_wstring(value.vt);
    if (SUCCEEDED(::VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) {
        described += L":" + std::wstring(text.bstrVal, ::SysStringLen(text.bstrVal));
        ::VariantClear(&text);
    }
    return described;
}

// What the clipboard holds for a paste: the size of its device-independent bitmap, or none.
std::wstring ClipboardPicture() {
    bool open = false;
    for (int attempt = 0; attempt < 40 && !open; ++attempt) {
        open = ::OpenClipboard(nullptr) != FALSE;
        if (!open) ::Sleep(50);
    }
    if (!open) return L"busy";
    std::wstring picture = L"none";
    if (HANDLE data = ::GetClipboardData(CF_DIB)) {
        if (const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(data))) {
            picture = std::to_wstring(header->biWidth) + L"x" + std::to_wstring(std::labs(header->biHeight));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return picture;
}

// --- Objects -----------------------------------------------------------------------------------

// Objects and class factory locks alive in this process; the server ends when both are gone.
LONG g_liveObjects = 0;
LONG g_serverLocks = 0;

using Arguments = std::vector<const VARIANT*>;  // in the caller's order

class FakeObject;

// One reference to a COM object, released with the owner.
struct ReleaseReference {
    void operator()(IUnknown* object) const { object->Release(); }
};
using FakeRef = std::unique_ptr<FakeObject, ReleaseReference>;

// An automation object with a fixed set of members, found by name without regard to case.
class FakeObject final : public IDispatch {
public:
    using Call = std::function<Variant(const Arguments&)>;
    using Put = std::function<void(const VARIANT&)>;
    using ReadsClipboard = std::function<bool(const Arguments&)>;

    explicit FakeObject(std::wstring path) : m_path(std::move(path)) {
        ::InterlockedIncrement(&g_liveObjects);
        Live().insert(this);
    }
    FakeObject(const FakeObject&) = delete;
    FakeObject& operator=(const FakeObject&) = delete;

    static FakeRef Make(std::wstring path) { return FakeRef(new FakeObject(std::move(path))); }

    // The path of one of this process's objects, or nothing when the pointer is not one of them
    // (an object of another process, or a proxy).
    static const std::wstring* PathOf(IDispatch* object) {
        auto found = Live().find(static_cast<void*>(object));
        return found == Live().end() ? nullptr : &static_cast<FakeObject*>(*found)->m_path;
    }

    const std::wstring& Path() const { return m_path; }

    void AddProperty(const wchar_t* name, Call get, Put put = nullptr) {
        m_members.push_back({name, false, 0, std::move(get), std::move(put), nullptr, {}});
    }
    void AddMethod(const wchar_t* name, UINT argumentCount, Call call, ReadsClipboard readsClipboard = nullptr) {
        m_members.push_back({name, true, argumentCount, std::move(call), nullptr, std::move(readsClipboard), {}});
    }
    // A property that always gives the same object, which this one keeps.
    void AddChild(const wchar_t* name, FakeRef child) {
        FakeObject* kept = child.get();
        m_children.push_back(std::move(child));
        AddProperty(name, [kept](const Arguments&) { return Variant::Object(kept); });
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids || count == 0) return E_INVALIDARG;
        for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;  // no named arguments here
        for (std::size_t i = 0; i < m_members.size(); ++i) {
            if (::CompareStringOrdinal(names[0], -1, m_members[i].name, -1, TRUE) == CSTR_EQUAL) {
                ids[0] = static_cast<DISPID>(i + 1);
                // Invoke only sees the number: it logs the member as this caller spelled it.
                m_members[i].spelled = names[0];
                return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
            }
        }
        ids[0] = DISPID_UNKNOWN;
        Log(L"unknown " + m_path + L"." + names[0]);
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        try {
            return InvokeMember(id, flags, params, result);
        } catch (const CallRefused& refused) {
            return refused.code;
        } catch (...) {
            return E_FAIL;
        }
    }

private:
    struct Member {
        const wchar_t* name;
        bool isMethod;
        UINT argumentCount;
        Call get;  // the property read, or the method
        Put put;
        ReadsClipboard readsClipboard;
        std::wstring spelled;
    };

    ~FakeObject() {
        Live().erase(this);
        ::InterlockedDecrement(&g_liveObjects);
    }

    static std::set<void*>& Live() {
        static std::set<void*> objects;
        return objects;
    }

    HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result) {
        if (id < 1 || static_cast<std::size_t>(id) > m_members.size() || !params) return DISP_E_MEMBERNOTFOUND;
        Member& member = m_members[static_cast<std::size_t>(id - 1)];
        const std::wstring name = m_path + L"." + (member.spelled.empty() ? member.name : member.spelled);
        // Invoke receives the arguments last one first.
        Arguments arguments;
        for (UINT i = params->cArgs; i > 0; --i) arguments.push_back(&params->rgvarg[i - 1]);
        std::wstring list;
        for (const VARIANT* argument : arguments) list += (list.empty() ? L"" : L", ") + Describe(*argument);

        std::wstring line;
        HRESULT outcome = S_OK;
        Variant value;
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            line = L"put " + name + L" = " + list;
            const bool namedValue = params->cNamedArgs == 1 && params->rgdispidNamedArgs &&
                                    params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
            if (!member.put) outcome = DISP_E_MEMBERNOTFOUND;
            else if (!namedValue) outcome = DISP_E_PARAMNOTFOUND;
            else if (arguments.size() != 1) outcome = DISP_E_BADPARAMCOUNT;
            else outcome = Attempt([&] { member.put(*arguments[0]); });
        } else {
            // The kind that the caller asked for: a property read with DISPATCH_METHOD alone shows
            // as a call, a method called as a property read as a get.
            const bool asGet = member.isMethod ? !(flags & DISPATCH_METHOD) : (flags & DISPATCH_PROPERTYGET) != 0;
            line = (asGet ? L"get " : L"call ") + name;
            if (member.isMethod || !arguments.empty()) line += L"(" + list + L")";
            if (params->cNamedArgs != 0) outcome = DISP_E_NONAMEDARGS;
            else if (arguments.size() != member.argumentCount) outcome = DISP_E_BADPARAMCOUNT;
            else outcome = Attempt([&] { value = member.get(arguments); });
            if (SUCCEEDED(outcome) && member.readsClipboard && member.readsClipboard(arguments)) {
                line += L" clipboard=" + ClipboardPicture();
            }
            if (SUCCEEDED(outcome) && (!member.isMethod || value.Get().vt != VT_EMPTY)) {
                line += L" -> " + Describe(value.Get());
            }
        }
        if (FAILED(outcome)) line += L" -> error " + Hex(static_cast<unsigned long>(outcome));
        Log(line);
        if (SUCCEEDED(outcome) && result) *result = value.Release();
        return outcome;
    }

    template <typename Action>
    static HRESULT Attempt(Action action) {
        try {
            action();
            return S_OK;
        } catch (const CallRefused& refused) {
            return refused.code;
        }
    }

    LONG m_references = 1;
    std::wstring m_path;
    std::vector<Member> m_members;
    std::vector<FakeRef> m_children;
};

std::wstring DescribeObject(IDispatch* object) {
    if (!object) return L"<nothing>";
    const std::wstring* path = FakeObject::PathOf(object);
    return path ? L"<" + *path + L">" : L"<foreign>";
}

// --- The object models of the four programs ----------------------------------------------------

// A collection of documents that counts what was added.
FakeRef MakeDocuments(const std::wstring& path, LONG initialCount) {
    FakeRef documents = FakeObject::Make(path);
    auto count = std::make_shared<LONG>(initialCount);
    documents->AddProperty(L"Count", [count](const Arguments&) { return Variant::Integer(*count); });
    documents->AddMethod(L"Add", 0, [count, path](const Arguments&) {
        ++*count;
        return Variant::Object(FakeObject::Make(path + L".Add").get());
    });
    return documents;
}

FakeRef MakePasteTarget(const std::wstring& path) {
    FakeRef target = FakeObject::Make(path);
    target->AddMethod(L"Paste", 0, [](const Arguments&) { return Variant(); },
                      [](const Arguments&) { return true; });
    return target;
}

// Visible, the document collection and the way to the paste target of a Microsoft program.
FakeRef MakeMicrosoftApplication(const std::wstring& progId, const wchar_t* documentsName, LONG documents) {
    FakeRef application = FakeObject::Make(progId);
    auto visible = std::make_shared<bool>(false);
    application->AddProperty(
        L"Visible", [visible](const Arguments&) { return Variant::Boolean(*visible); },
        [visible](const VARIANT& value) { *visible = BooleanOf(value); });
    application->AddChild(documentsName, MakeDocuments(progId + L"." + documentsName, documents));
    return application;
}

FakeRef MakeWord(LONG documents) {
    FakeRef word = MakeMicrosoftApplication(L"Word.Application", L"documents", documents);
    word->AddChild(L"Selection", MakePasteTarget(L"Word.Application.Selection"));
    return word;
}

FakeRef MakeExcel(LONG documents) {
    FakeRef excel = MakeMicrosoftApplication(L"Excel.Application", L"workbooks", documents);
    excel->AddChild(L"activesheet", MakePasteTarget(L"Excel.Application.activesheet"));
    return excel;
}

FakeRef MakePowerPoint(LONG documents) {
    const std::wstring root = L"Powerpoint.Application";
    FakeRef powerPoint = MakeMicrosoftApplication(root, L"Presentations", documents);

    const std::wstring slidesPath = root + L".ActivePresentation.Slides";
    FakeRef slides = FakeObject::Make(slidesPath);
    slides->AddMethod(L"Add", 2, [slidesPath](const Arguments&) {
        return Variant::Object(FakeObject::Make(slidesPath + L".Add").get());
    });
    FakeRef presentation = FakeObject::Make(root + L".ActivePresentation");
    presentation->AddChild(L"Slides", std::move(slides));
    powerPoint->AddChild(L"ActivePresentation", std::move(presentation));

    FakeRef window = FakeObject::Make(root + L".ActiveWindow");
    window->AddChild(L"View", MakePasteTarget(root + L".ActiveWindow.View"));
    powerPoint->AddChild(L"ActiveWindow", std::move(window));
    return powerPoint;
}

// A document of the second suite: its controller leads to the frame that paste commands go to.
FakeRef MakeComponent(const std::wstring& path) {
    FakeRef controller = FakeObject::Make(path + L".currentcontroller");
    controller->AddChild(L"Frame", FakeObject::Make(path + L".currentcontroller.Frame"));
    FakeRef component = FakeObject::Make(path);
    component->AddChild(L"currentcontroller", std::move(controller));
    return component;
}

FakeRef MakeDesktop() {
    const std::wstring path = L"com.sun.star.frame.Desktop";
    FakeRef desktop = FakeObject::Make(path);
    // With no document open in the suite the desktop has no current component.
    if (Environment(L"SNAPWRIGHT_FAKE_CURRENT_COMPONENT") == L"0") {
        desktop->AddProperty(L"currentcomponent", [](const Arguments&) { return Variant(); });
    } else {
        desktop->AddChild(L"currentcomponent", MakeComponent(path + L".currentcomponent"));
    }
    desktop->AddMethod(L"loadComponentfromURL", 4, [path](const Arguments&) {
        return Variant::Object(MakeComponent(path + L".loadComponentfromURL").get());
    });
    return desktop;
}

FakeRef MakeDispatchHelper() {
    FakeRef helper = FakeObject::Make(L"com.sun.star.frame.DispatchHelper");
    helper->AddMethod(L"executeDispatch", 5, [](const Arguments&) { return Variant(); },
                      [](const Arguments& arguments) {
                          const VARIANT& command = Dereferenced(*arguments[1]);
                          return command.vt == VT_BSTR && TextOf(command) == L".uno:Paste";
                      });
    return helper;
}

FakeRef MakeServiceManager() {
    FakeRef manager = FakeObject::Make(L"com.sun.star.ServiceManager");
    manager->AddMethod(L"createinstance", 1, [](const Arguments& arguments) {
        const std::wstring service = TextOf(*arguments[0]);
        FakeRef made;
        if (service == L"com.sun.star.frame.Desktop") made = MakeDesktop();
        else if (service == L"com.sun.star.frame.DispatchHelper") made = MakeDispatchHelper();
        // An unknown service gives nothing, as the suite's service manager does.
        return Variant::Object(made.get());
    });
    return manager;
}

struct FakeClass {
    const wchar_t* progId;
    const wchar_t* clsid;
    FakeRef (*make)(LONG documents);
};

// The class identifiers are our own; the tests register the same ones (fakeoffice.py).
const FakeClass kClasses[] = {
    {L"Word.Application", L"{73A90C16-83D6-46BA-A408-32029B99E7DD}", MakeWord},
    {L"Excel.Application", L"{F73EC6D6-6BBC-42ED-A418-A9BB81C7DC78}", MakeExcel},
    {L"Powerpoint.Application", L"{110F9ACB-6A07-440C-9607-8F4C607C3C9A}", MakePowerPoint},
    {L"com.sun.star.ServiceManager", L"{ED709E02-1CAA-49D8-83D1-CCCEE9C4D2A8}",
     [](LONG) { return MakeServiceManager(); }},
};

CLSID ClassIdOf(const FakeClass& fake) {
    CLSID clsid{};
    ::CLSIDFromString(fake.clsid, &clsid);
    return clsid;
}

// One factory per class, living as long as the process: it makes a new application every time.
class Factory final : public IClassFactory {
public:
    explicit Factory(const FakeClass& fake) : m_class(fake) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            FakeRef application = m_class.make(0);
            Log(std::wstring(L"create ") + m_class.progId);
            return application->QueryInterface(iid, object);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) ::InterlockedIncrement(&g_serverLocks);
        else ::InterlockedDecrement(&g_serverLocks);
        return S_OK;
    }

private:
    const FakeClass& m_class;
};

// --- The two ways to run -----------------------------------------------------------------------

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateTopLevelWindow(const wchar_t* className, const std::wstring& caption, DWORD style) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(0, className, caption.c_str(), style, 40, 40, 480, 320, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
}

// Runs the messages that arrive within the time; false once the window was closed.
bool PumpMessagesFor(DWORD milliseconds) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

bool Idle() {
    return g_liveObjects == 0 && g_serverLocks == 0;
}

// Serves the classes until nothing has been alive for a moment, as a local server should; the
// moment spans the gap between COM starting us and the client's first object. A client that ends
// without releasing its objects keeps the server alive: then a test closes its hidden window
// (class FakeOfficeServer). Killing it instead would leave its class registrations behind in
// Wine's COM service, and every later creation of these classes would fail.
int RunServer() {
    Log(L"server start");
    HWND window = CreateTopLevelWindow(L"FakeOfficeServer", L"fakeoffice server", WS_OVERLAPPEDWINDOW);
    std::vector<Factory> factories;
    factories.reserve(std::size(kClasses));
    std::vector<DWORD> cookies;
    for (const FakeClass& fake : kClasses) {
        factories.emplace_back(fake);
        DWORD cookie = 0;
        const CLSID clsid = ClassIdOf(fake);
        if (SUCCEEDED(::CoRegisterClassObject(clsid, &factories.back(), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                              &cookie))) {
            cookies.push_back(cookie);
        }
    }
    constexpr ULONGLONG kLinger = 2000;
    ULONGLONG idleSince = ::GetTickCount64();
    while (PumpMessagesFor(100)) {
        if (!Idle()) idleSince = ::GetTickCount64();
        else if (::GetTickCount64() - idleSince > kLinger) break;
    }
    for (DWORD cookie : cookies) ::CoRevokeClassObject(cookie);
    if (window && ::IsWindow(window)) ::DestroyWindow(window);
    Log(L"server exit");
    return 0;
}

// A running office program: its window, and its application object as the running object that
// GetActiveObject finds. Without a caption the window stays hidden (a test closes it by class).
int RunInstance(const std::wstring& caption, const std::wstring& progId, LONG documents) {
    HWND window = CreateTopLevelWindow(L"FakeOfficeWindow", caption.empty() ? progId : caption, WS_OVERLAPPEDWINDOW);
    if (!window) return 1;
    if (!caption.empty()) ::ShowWindow(window, SW_SHOWNORMAL);

    FakeRef application;
    DWORD registration = 0;
    if (!progId.empty()) {
        const FakeClass* fake = nullptr;
        for (const FakeClass& candidate : kClasses) {
            if (::CompareStringOrdinal(candidate.progId, -1, progId.c_str(), -1, TRUE) == CSTR_EQUAL) fake = &candidate;
        }
        if (!fake) return 1;
        application = fake->make(documents);
        const CLSID clsid = ClassIdOf(*fake);
        if (FAILED(::RegisterActiveObject(application.get(), clsid, ACTIVEOBJECT_STRONG, &registration))) return 1;
        Log(std::wstring(L"run ") + fake->progId);
    }
    std::printf("ready\n");
    std::fflush(stdout);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (application) {
        ::RevokeActiveObject(registration, nullptr);
        application.reset();
        Log(L"exit");
    }
    return 0;
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments) return 1;
    std::vector<std::wstring> args(arguments + 1, arguments + count);
    ::LocalFree(arguments);

    bool server = false;
    std::wstring caption, progId;
    LONG documents = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (_wcsicmp(arg.c_str(), L"-Embedding") == 0 || _wcsicmp(arg.c_str(), L"/Embedding") == 0) server = true;
        else if (arg == L"--window" && hasValue) caption = args[++i];
        else if (arg == L"--active" && hasValue) progId = args[++i];
        else if (arg == L"--documents" && hasValue) documents = std::wcstol(args[++i].c_str(), nullptr, 10);
        else return 2;
    }
    if (!server && caption.empty() && progId.empty()) return 2;

    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    const int code = server ? RunServer() : RunInstance(caption, progId, documents);
    ::CoUninitialize();
    return code;
}
