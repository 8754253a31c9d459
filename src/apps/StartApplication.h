#pragma once
#include <string>

namespace snapwright {

// The display name of the office program that a send offers to start ("Microsoft Word", "Calc",
// ...); the start dialog shows it in its caption and question.
std::string& ApplicationToStart();

}  // namespace snapwright
