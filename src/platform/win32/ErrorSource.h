#pragma once
#include <string>

namespace snapwright::win32 {

// The source of the subclassing and timer errors: this program's file name without extension
// followed by ".WindowProc" (snapwright.exe gives "snapwright.WindowProc").
const std::string& ProgramErrorSource();

}  // namespace snapwright::win32
