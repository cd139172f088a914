#pragma once

#include <functional>
#include <string>

namespace svdb {

// Where the program finds its own files. A program run from its own folder
// (a build folder, an unpacked copy) keeps everything in that folder, the
// application folder. An installed program ("prefix/bin/svdb") finds the
// files it ships in "prefix/share/svdb" and writes its own files into the
// user's configuration folder. The rules below ask the file system through a
// Probe, so they can be checked against any layout.
class AppPaths {
  public:
    static constexpr const char* kHelpFileName = "SVHELP.chm";
    static constexpr const char* kCardListFileName = "SVANLIST.csv";
    static constexpr const char* kSettingsFileName = "SVDB.ini";
    static constexpr const char* kRecentDecksFileName = "SVDBRECENT.txt";

    // What the rules ask of the file system.
    struct Probe {
        std::function<bool(const std::string&)> isFile;
        std::function<bool(const std::string&)> isWritableFolder;

        // The running system: a regular file (or a link to one); a folder
        // this process may create files in.
        static Probe System();
    };

    // The help file in the application folder. A separator is put between the
    // folder and the name only when the folder does not already end in one, so
    // a program in the root folder gets "/SVHELP.chm".
    static std::string HelpFilePath(const std::string& appDir);

    // The card list in the application folder: the folder, a separator, and the
    // file name. The separator is always added; in the root folder this gives
    // "//SVANLIST.csv", which names the same file on every POSIX system.
    static std::string CardListPath(const std::string& appDir);

    // The settings file in a folder (the one WritableFolder gives), named like
    // the card list.
    static std::string SettingsPath(const std::string& appDir);

    // The list of recent deck files: in the settings file's folder, wherever
    // that is, under its own name (only the name when the settings path has
    // no folder).
    static std::string RecentDecksPath(const std::string& settingsPath);

    // The folder an installed program's shipped files live in:
    // "../share/svdb" from the application folder, without the "..".
    static std::string SharedDataFolder(const std::string& appDir);

    // The card list to load: the one in the application folder when it is
    // there, else the one in the shared data folder when that is there, else
    // the application folder's path (which names the missing file).
    static std::string FindCardList(const std::string& appDir,
                                    const Probe& probe = Probe::System());
    // svdeck's default card list, looked for in the same two places; beside
    // the program it is the folder joined with the name as a path, so a
    // program in the root folder reads "/SVANLIST.csv".
    static std::string SvdeckCardList(const std::string& programDir,
                                      const Probe& probe = Probe::System());
    // The help file, looked for in the same two places.
    static std::string FindHelpFile(const std::string& appDir,
                                    const Probe& probe = Probe::System());

    // The folder the program's own files are written to (the settings file,
    // "outest.txt", anything else the program keeps between runs): the
    // application folder when the program may write there and is not an
    // installed one (no card list beside it, one in the shared data folder),
    // else configDir (the user's configuration folder for the program, which
    // the caller creates when needed). An empty configDir keeps the
    // application folder.
    static std::string WritableFolder(const std::string& appDir, const std::string& configDir,
                                      const Probe& probe = Probe::System());
};

}  // namespace svdb
