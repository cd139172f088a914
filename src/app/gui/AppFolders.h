#pragma once

#include <QString>

namespace svdb {

// The running program's folders as AppPaths decides them, with the user's
// configuration folder taken from the desktop's conventions.
class AppFolders {
  public:
    // The user's configuration folder for the program ("~/.config/svdb" on
    // most desktops); empty when the desktop names none.
    static QString configFolder();

    // The folder the program's own files are written to (AppPaths::
    // WritableFolder): the program's folder appDir for a program run from its
    // own folder, else the configuration folder, created here when missing.
    static QString writableFolder(const QString& appDir);
};

}  // namespace svdb
