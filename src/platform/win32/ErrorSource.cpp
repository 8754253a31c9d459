#include "platform/win32/ErrorSource.h"

#include <windows.h>

#include <vector>

#include "platform/ObjectError.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

std::wstring ModuleFileName() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // the path was cut off
    }
}

}  // namespace

const std::string& ProgramErrorSource() {
    static const std::string source = WindowProcSource(ToUtf8(ModuleFileName()));
    return source;
}

}  // namespace snapwright::win32
