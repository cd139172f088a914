#include "app/AppPaths.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace svdb {

namespace fs = std::filesystem;

AppPaths::Probe AppPaths::Probe::System() {
    return Probe{
        [](const std::string& path) {
            std::error_code ec;
            return fs::is_regular_file(path, ec);
        },
        [](const std::string& path) {
            std::error_code ec;
            return fs::is_directory(path, ec) && ::access(path.c_str(), W_OK | X_OK) == 0;
        },
    };
}

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

std::string AppPaths::SharedDataFolder(const std::string& appDir) {
    const fs::path folder = (fs::path(appDir) / ".." / "share" / "svdb").lexically_normal();
    return folder.string();
}

namespace {

// The file beside the program when it is there, else the one of that name in
// the shared data folder when that is there, else the one beside the program.
std::string BesideOrShared(const std::string& beside, const std::string& appDir, const char* name,
                           const AppPaths::Probe& probe) {
    if (probe.isFile(beside)) return beside;
    const std::string shared = AppPaths::SharedDataFolder(appDir) + "/" + name;
    return probe.isFile(shared) ? shared : beside;
}

}  // namespace

std::string AppPaths::FindCardList(const std::string& appDir, const Probe& probe) {
    return BesideOrShared(CardListPath(appDir), appDir, kCardListFileName, probe);
}

std::string AppPaths::SvdeckCardList(const std::string& programDir, const Probe& probe) {
    return BesideOrShared((fs::path(programDir) / kCardListFileName).string(), programDir,
                          kCardListFileName, probe);
}

std::string AppPaths::FindHelpFile(const std::string& appDir, const Probe& probe) {
    return BesideOrShared(HelpFilePath(appDir), appDir, kHelpFileName, probe);
}

std::string AppPaths::WritableFolder(const std::string& appDir, const std::string& configDir,
                                     const Probe& probe) {
    if (configDir.empty()) return appDir;
    // Run by an administrator, an installed program could write beside
    // itself; its files still belong to the user, not to the system folder.
    const bool installed = !probe.isFile(CardListPath(appDir)) &&
                           probe.isFile(SharedDataFolder(appDir) + "/" + kCardListFileName);
    if (!installed && probe.isWritableFolder(appDir)) return appDir;
    return configDir;
}

std::string AppPaths::RecentDecksPath(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.rfind('/');
    if (slash == std::string::npos) return kRecentDecksFileName;
    return settingsPath.substr(0, slash + 1) + kRecentDecksFileName;
}

}  // namespace svdb
