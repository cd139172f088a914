#include "app/gui/AppFolders.h"

#include <QDir>
#include <QStandardPaths>

#include "app/AppPaths.h"

namespace svdb {

QString AppFolders::configFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) return QString();
    return QDir(base).filePath(QStringLiteral("svdb"));
}

QString AppFolders::writableFolder(const QString& appDir) {
    const QString folder = QString::fromStdString(
        AppPaths::WritableFolder(appDir.toStdString(), configFolder().toStdString()));
    // A failure shows later, when a file cannot be written there.
    if (folder != appDir) QDir().mkpath(folder);
    return folder;
}

}  // namespace svdb
