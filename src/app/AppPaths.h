#pragma once

#include <string>

namespace svdb {

// Where the program finds its own files: everything lives in the folder the
// program was started from (the application folder).
class AppPaths {
  public:
    static constexpr const char* kHelpFileName = "SVHELP.chm";
    static constexpr const char* kCardListFileName = "SVANLIST.csv";
    static constexpr const char* kSettingsFileName = "SVDB.ini";

    // The help file in the application folder. A separator is put between the
    // folder and the name only when the folder does not already end in one, so
    // a program in the root folder gets "/SVHELP.chm".
    static std::string HelpFilePath(const std::string& appDir);

    // The card list in the application folder: the folder, a separator, and the
    // file name. The separator is always added; in the root folder this gives
    // "//SVANLIST.csv", which names the same file on every POSIX system.
    static std::string CardListPath(const std::string& appDir);

    // The settings file in the application folder, named like the card list.
    static std::string SettingsPath(const std::string& appDir);
};

}  // namespace svdb
