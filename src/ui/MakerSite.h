#pragma once
#include <string>

namespace snapwright {

// The maker's web site: the one place its host is named.
inline constexpr const char* kMakerHost = "snapwright.example";

// "Major.minor.revision" as plain decimal numbers.
std::string VersionNumber(int major, int minor, int revision);
// The update page for exactly this version.
std::string UpdateAddress(const std::string& versionNumber);
std::string HomePageAddress();
std::string SupportMailAddress();

}  // namespace snapwright
