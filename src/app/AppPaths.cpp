#include "app/AppPaths.h"

namespace svdb {

std::string AppPaths::HelpFilePath(const std::string& appDir) {
    if (!appDir.empty() && appDir.back() == '/') return appDir + kHelpFileName;
    return appDir + "/" + kHelpFileName;
}

std::string AppPaths::CardListPath(const std::string& appDir) {
    return appDir + "/" + kCardListFileName;
}

std::string AppPaths::SettingsPath(const std::string& appDir) {
    return appDir + "/" + kSettingsFileName;
}

}  // namespace svdb
