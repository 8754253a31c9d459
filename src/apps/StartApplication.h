#pragma once
#include <string>

namespace snapwright {

// The display name of the office application that a send step offers to start
// ("Microsoft Word", "Calc", ...); the start dialog shows it in its caption and question.
std::string& StartAppName();

}  // namespace snapwright
