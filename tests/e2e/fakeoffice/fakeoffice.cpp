// fakeoffice: stands in for the office programs in the end-to-end tests. It serves the automation
// classes that Snapwright drives when it sends a screenshot ("Word.Application",
// "Excel.Application", "Powerpoint.Application", "com.sun.star.ServiceManager") with one generic
// recording object, and writes one line per call to the file named by SNAPWRIGHT_FAKE_LOG, so that
// a test reads what was called, in which order, with which arguments, and what the clipboard held
// when the program asked to paste. Every member name is accepted: the test compares the log.
//
//   fakeoffice -Embedding                       the local server that COM starts; ends a moment
//                                               after its last object is released, or when its
//                                               hidden window (class FakeOfficeServer) is closed
//   fakeoffice --window CAPTION                 a running program: a bordered window with CAPTION,
//              [--active PROGID [--documents N]]  480 x 320 at 150, 120 in front, and the running
//              [--bounds L,T,W,H] [--maximised]   object of PROGID with N documents open; prints
//              [--colour RRGGBB]                  "ready", runs until the window closes. The window
//                                               may take other bounds or be maximised; with a
//                                               colour it is a borderless panel of that colour
//
// Log lines read "PID: WHAT", WHAT being one of
//   server start | server exit                           the life of a server
//   create PROGID                                        the class factory made an application
//   get OBJECT.MEMBER -> RESULT                          a property read
//   put OBJECT.MEMBER = VALUE                            a property write
//   call OBJECT.MEMBER(ARG, ARG) [-> RESULT]             a method call; the result when there is one
// An OBJECT is the path of members that reached it ("Word.Application.documents"), or the service a
// service manager made; members are spelled as the caller spelled them. Values read 12, "text",
// true, false, <OBJECT>, <nothing>, array(N) and &array(N) (by reference); other kinds as vtN. A paste (Paste, or
// executeDispatch of ".uno:Paste") adds "clipboard=WxH" from the clipboard's DIB, or "clipboard=none".
// Count gives the number of open documents.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& wide) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
    return text;
}

// Several processes append to the same file: each line goes out in one write to a file opened for
// appending only, so lines never interleave.
void Log(const std::wstring& what) {
    static const wchar_t* path = _wgetenv(L"SNAPWRIGHT_FAKE_LOG");
    if (!path) return;
    const std::string line = std::to_string(::GetCurrentProcessId()) + ": " + Utf8(what) + "\n";
    HANDLE file = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
}

bool Is(const std::wstring& name, const wchar_t* member) {
    return ::CompareStringOrdinal(name.c_str(), -1, member, -1, TRUE) == CSTR_EQUAL;
}

std::wstring TextOf(const VARIANT& value) {
    if (value.vt == VT_BSTR && value.bstrVal) return std::wstring(value.bstrVal, ::SysStringLen(value.bstrVal));
    if (value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal) return TextOf(*value.pvarVal);
    return L"";
}

std::wstring Describe(const VARIANT& value);

std::wstring DescribeArray(const SAFEARRAY* array) {
    if (!array) return L"array(null)";
    return L"array(" + std::to_wstring(array->cDims == 0 ? 0 : array->rgsabound[0].cElements) + L")";
}

// Objects and class factory locks alive in this process; the server ends when both are gone.
LONG g_liveObjects = 0;
LONG g_serverLocks = 0;
LONG g_documents = 0;

// The one automation object: a member read or a method call gives a new object named after the
// member, but for the few members whose answer the program looks at.
class FakeObject final : public IDispatch {
public:
    explicit FakeObject(std::wstring path) : m_path(std::move(path)) {
        ::InterlockedIncrement(&g_liveObjects);
        Live().insert(this);
    }
    FakeObject(const FakeObject&) = delete;
    FakeObject& operator=(const FakeObject&) = delete;

    // The path of one of this process's objects, or null for any other pointer (a proxy).
    static const std::wstring* PathOf(IDispatch* object) {
        const auto found = Live().find(object);
        return found == Live().end() ? nullptr : &static_cast<FakeObject*>(*found)->m_path;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }
    // No type information: the program binds every member by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    // Invoke only sees a number: each name the caller spells gets its own.
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids || count != 1) return DISP_E_UNKNOWNNAME;
        m_names.emplace_back(names[0]);
        ids[0] = static_cast<DISPID>(m_names.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        if (id < 1 || static_cast<std::size_t>(id) > m_names.size() || !params) return DISP_E_MEMBERNOTFOUND;
        const std::wstring member = m_names[static_cast<std::size_t>(id - 1)];
        const std::wstring name = m_path + L"." + member;
        std::vector<const VARIANT*> arguments;  // Invoke receives them last one first
        for (UINT i = params->cArgs; i > 0; --i) arguments.push_back(&params->rgvarg[i - 1]);
        std::wstring list;
        for (const VARIANT* argument : arguments) list += (list.empty() ? L"" : L", ") + Describe(*argument);

        if (flags & DISPATCH_PROPERTYPUT) {
            Log(L"put " + name + L" = " + list);
            return S_OK;
        }
        VARIANT answer;
        ::VariantInit(&answer);
        std::wstring line;
        if (!(flags & DISPATCH_METHOD)) {
            line = L"get " + name;
            if (Is(member, L"Count")) {
                answer.vt = VT_I4;
                answer.lVal = g_documents;
            } else {
                Make(answer, name);
            }
            line += L" -> " + Describe(answer);
        } else {
            line = L"call " + name + L"(" + list + L")";
            const bool paste = Is(member, L"Paste") ||
                               (Is(member, L"executeDispatch") && arguments.size() > 1 && TextOf(*arguments[1]) == L".uno:Paste");
            if (paste) {
                line += L" clipboard=" + ClipboardPicture();
            } else if (!Is(member, L"executeDispatch")) {
                if (Is(member, L"Add")) ::InterlockedIncrement(&g_documents);
                // A service manager makes the service it is asked for.
                Make(answer, Is(member, L"createinstance") && !arguments.empty() ? TextOf(*arguments[0]) : name);
                line += L" -> " + Describe(answer);
            }
        }
        Log(line);
        if (result) *result = answer;
        else ::VariantClear(&answer);
        return S_OK;
    }

private:
    ~FakeObject() {
        Live().erase(this);
        ::InterlockedDecrement(&g_liveObjects);
    }
    static std::set<void*>& Live() {
        static std::set<void*> objects;
        return objects;
    }
    static void Make(VARIANT& answer, const std::wstring& path) {
        answer.vt = VT_DISPATCH;
        answer.pdispVal = new FakeObject(path);
    }
    // What the clipboard holds for a paste: the size of its device-independent bitmap, or none.
    static std::wstring ClipboardPicture() {
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

    LONG m_references = 1;
    std::wstring m_path;
    std::vector<std::wstring> m_names;
};

std::wstring Describe(const VARIANT& value) {
    switch (value.vt) {
        case VT_I4: return std::to_wstring(value.lVal);
        case VT_BOOL: return value.boolVal != VARIANT_FALSE ? L"true" : L"false";
        case VT_BSTR: return L"\"" + TextOf(value) + L"\"";
        case VT_DISPATCH: {
            const std::wstring* path = value.pdispVal ? FakeObject::PathOf(value.pdispVal) : nullptr;
            return !value.pdispVal ? L"<nothing>" : path ? L"<" + *path + L">" : L"<foreign>";
        }
        case VT_ARRAY | VT_VARIANT: return DescribeArray(value.parray);
        case VT_BYREF | VT_ARRAY | VT_VARIANT: return L"&" + DescribeArray(value.pparray ? *value.pparray : nullptr);
        default: return L"vt" + std::to_wstring(value.vt);  // a kind no test expects
    }
}

// The class identifiers are our own; the tests register the same ones (fakeoffice.py).
struct FakeClass {
    const wchar_t* progId;
    const wchar_t* clsid;
};
const FakeClass kClasses[] = {
    {L"Word.Application", L"{73A90C16-83D6-46BA-A408-32029B99E7DD}"},
    {L"Excel.Application", L"{F73EC6D6-6BBC-42ED-A418-A9BB81C7DC78}"},
    {L"Powerpoint.Application", L"{110F9ACB-6A07-440C-9607-8F4C607C3C9A}"},
    {L"com.sun.star.ServiceManager", L"{ED709E02-1CAA-49D8-83D1-CCCEE9C4D2A8}"},
};

CLSID ClassIdOf(const FakeClass& fake) {
    CLSID clsid{};
    ::CLSIDFromString(fake.clsid, &clsid);
    return clsid;
}

// One factory per class, living as long as the process: a new application every time.
class Factory final : public IClassFactory {
public:
    explicit Factory(const FakeClass& fake) : m_class(fake) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = iid == IID_IUnknown || iid == IID_IClassFactory ? static_cast<IClassFactory*>(this) : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        Log(std::wstring(L"create ") + m_class.progId);
        auto* application = new FakeObject(m_class.progId);
        const HRESULT result = application->QueryInterface(iid, object);
        application->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) ::InterlockedIncrement(&g_serverLocks);
        else ::InterlockedDecrement(&g_serverLocks);
        return S_OK;
    }

private:
    const FakeClass& m_class;
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Where and how the program's window shows: its bounds (left, top, width, height), maximised or
// not, and the colour (0xRRGGBB) of a borderless panel, or -1 for a bordered window.
struct WindowLook { RECT bounds{150, 120, 480, 320}; bool maximised = false; long colour = -1; };

HWND CreateTopLevelWindow(const wchar_t* className, const std::wstring& caption, const WindowLook& look = {}) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    const long c = look.colour;
    windowClass.hbrBackground = c < 0 ? reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)
                                      : ::CreateSolidBrush(RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    windowClass.lpszClassName = className;
    ::RegisterClassW(&windowClass);
    const RECT& b = look.bounds;
    return ::CreateWindowExW(0, className, caption.c_str(), c < 0 ? WS_OVERLAPPEDWINDOW : WS_POPUP, b.left, b.top,
                             b.right, b.bottom, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// Serves the classes until nothing has been alive for a moment, as a local server should; the
// moment spans the gap between COM starting us and the client's first object. A test closes the
// hidden window of a server whose client kept references: killed instead, its class registrations
// would stay behind in Wine's COM service and every later creation of these classes would fail.
int RunServer() {
    Log(L"server start");
    HWND window = CreateTopLevelWindow(L"FakeOfficeServer", L"fakeoffice server");
    std::vector<Factory> factories(std::begin(kClasses), std::end(kClasses));
    std::vector<DWORD> cookies;
    for (std::size_t i = 0; i < factories.size(); ++i) {
        DWORD cookie = 0;
        if (SUCCEEDED(::CoRegisterClassObject(ClassIdOf(kClasses[i]), &factories[i], CLSCTX_LOCAL_SERVER,
                                              REGCLS_MULTIPLEUSE, &cookie))) {
            cookies.push_back(cookie);
        }
    }
    constexpr ULONGLONG kLinger = 2000;
    ULONGLONG idleSince = ::GetTickCount64();
    for (bool open = true; open;) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) open = false;
            ::DispatchMessageW(&message);
        }
        if (g_liveObjects != 0 || g_serverLocks != 0) idleSince = ::GetTickCount64();
        else if (::GetTickCount64() - idleSince > kLinger) break;
    }
    for (DWORD cookie : cookies) ::CoRevokeClassObject(cookie);
    if (::IsWindow(window)) ::DestroyWindow(window);
    Log(L"server exit");
    return 0;
}

// A running office program: its window in front, and its application object as the running object
// that GetActiveObject finds. The capture tests take the window alone as one of known size.
int RunInstance(const std::wstring& caption, const std::wstring& progId, const WindowLook& look) {
    HWND window = CreateTopLevelWindow(L"FakeOfficeWindow", caption, look);
    if (!window) return 1;
    ::ShowWindow(window, look.maximised ? SW_MAXIMIZE : SW_SHOWNORMAL);
    ::UpdateWindow(window);
    ::SetForegroundWindow(window);
    FakeObject* application = nullptr;
    DWORD registration = 0;
    if (!progId.empty()) {
        const FakeClass* fake = nullptr;
        for (const FakeClass& candidate : kClasses) {
            if (Is(progId, candidate.progId)) fake = &candidate;
        }
        if (!fake) return 1;
        application = new FakeObject(fake->progId);
        if (FAILED(::RegisterActiveObject(application, ClassIdOf(*fake), ACTIVEOBJECT_STRONG, &registration))) return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    if (application) {
        ::RevokeActiveObject(registration, nullptr);
        application->Release();
    }
    return 0;
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments) return 1;
    const std::vector<std::wstring> args(arguments + 1, arguments + count);
    ::LocalFree(arguments);
    bool server = false;
    std::wstring caption, progId;
    WindowLook look;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (Is(args[i], L"-Embedding") || Is(args[i], L"/Embedding")) server = true;
        else if (args[i] == L"--window" && hasValue) caption = args[++i];
        else if (args[i] == L"--active" && hasValue) progId = args[++i];
        else if (args[i] == L"--documents" && hasValue) g_documents = std::wcstol(args[++i].c_str(), nullptr, 10);
        else if (args[i] == L"--colour" && hasValue) look.colour = std::wcstol(args[++i].c_str(), nullptr, 16);
        else if (args[i] == L"--maximised") look.maximised = true;
        else if (args[i] == L"--bounds" && hasValue) {
            RECT& b = look.bounds;
            const int read = std::swscanf(args[++i].c_str(), L"%ld,%ld,%ld,%ld", &b.left, &b.top, &b.right, &b.bottom);
            if (read != 4) return 2;
        } else return 2;
    }
    if (!server && caption.empty()) return 2;
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    const int code = server ? RunServer() : RunInstance(caption, progId, look);
    ::CoUninitialize();
    return code;
}
