#include "ui/MakerSite.h"

namespace snapwright {

namespace {

std::string SiteRoot() {
    return std::string("https://") + kMakerHost;
}

}  // namespace

std::string VersionNumber(int major, int minor, int revision) {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

std::string UpdateAddress(const std::string& versionNumber) {
    return SiteRoot() + "/updates.php?ID=4&version=" + versionNumber + "&release=31.05.2006";
}

std::string HomePageAddress() {
    return SiteRoot() + "/";
}

std::string SupportMailAddress() {
    return std::string("mailto:support@") + kMakerHost;
}

}  // namespace snapwright
